#include "cataloguegenerator.h"

#include "sqlite.h"

#include <QStringList>
#include <random>

namespace {

const QStringList prefixes{"复方", "盐酸", "阿莫西林", "头孢克肟", "布洛芬", "对乙酰氨基酚", "维生素C", "板蓝根",
                           "感冒灵", "小儿", "清热", "六味地黄", "银黄", "甘草", "蒲地蓝", "藿香正气", "阿奇霉素",
                           "奥美拉唑", "氯雷他定", "二甲双胍", "硝苯地平", "葡萄糖酸钙", "牛黄解毒", "连花清瘟",
                           "双黄连", "红霉素", "健胃消食", "金银花", "枸杞", "当归"};
const QStringList middles{"", "", "缓释", "肠溶", "分散", "咀嚼", "泡腾", "颗粒", "口服", "消炎"};
const QStringList forms{"胶囊", "片", "颗粒", "口服液", "软膏", "注射液", "滴眼液", "丸", "糖浆", "贴"};
const QStringList cities{"华北", "白云山", "江中", "同仁", "云南", "修正", "哈药", "太极", "九州", "天士",
                         "扬子江", "齐鲁", "石药", "东阿", "昆明", "Huamei", "Sino-Kang", "Pharmalink"};
const QStringList makerKinds{"制药有限公司", "药业股份有限公司", "制药厂", "生物科技有限公司", " Pharma Co.,Ltd"};
const QStringList suppliers{"国药", "九州通", "华润", "上药", "本地", "瑞康", "英特"};
const QStringList units{"盒", "瓶", "支", "袋", "板", "盒", "盒"};
const QStringList doses{"0.25g", "0.5g", "10mg", "100mg", "5ml", "10ml", "250mg", "1g", "20mg", "0.3g"};
const QStringList packs{"*12粒", "*24粒", "*10片", "*30片", "*6支", "*20袋", "*100片", "*1瓶"};

} // namespace

int ean13CheckDigit(const QString &twelveDigits)
{
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += (twelveDigits.at(i).unicode() - '0') * (i % 2 ? 3 : 1);
    return (10 - sum % 10) % 10;
}

CatalogueGenerator::CatalogueGenerator(quint32 seed) : m_seed(seed)
{
}

GeneratedGoods CatalogueGenerator::goods(int number)
{
    std::mt19937 random(m_seed ^ (quint32(number) * 2654435761u));
    auto pick = [&](const QStringList &list) { return list.at(int(random() % quint32(list.size()))); };
    GeneratedGoods g;
    g.code = QStringLiteral("YP%1").arg(number, 7, 10, QLatin1Char('0'));
    g.name = pick(prefixes) + pick(middles) + pick(forms);
    g.supplier = pick(suppliers);
    g.specification = pick(doses) + pick(packs);
    g.maker = pick(cities) + pick(makerKinds);
    // 69 (a Chinese prefix), three digits of the maker, seven of the goods: unique per number.
    const QString twelve = QStringLiteral("69%1%2").arg(int(random() % 1000), 3, 10, QLatin1Char('0')).arg(number, 7, 10, QLatin1Char('0'));
    g.barcode = twelve + QString::number(ean13CheckDigit(twelve));
    g.unit = pick(units);
    g.price = double(random() % 30000 + 50) / 100.0;
    return g;
}

void CatalogueGenerator::fill(SqliteDatabase &db, int first, int count)
{
    SqliteTransaction transaction(db);
    SqliteStatement insert(db, QStringLiteral("INSERT INTO sp (药品编号, 药品全名, 供应商, 规格, 生产厂家, 条形码, 单位, 售价, 份数)"
                                              " VALUES (?, ?, ?, ?, ?, ?, ?, ?, NULL)"));
    for (int n = first; n < first + count; ++n) {
        const GeneratedGoods g = goods(n);
        const QVariant values[] = {g.code, g.name, g.supplier, g.specification, g.maker, g.barcode, g.unit, g.price};
        for (int i = 0; i < 8; ++i)
            insert.bind(i + 1, values[i]);
        insert.step();
        insert.reset();
    }
    transaction.commit();
}
