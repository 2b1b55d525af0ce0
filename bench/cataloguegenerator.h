#pragma once

#include <QString>
#include <QVariant>
#include <QVector>

class SqliteDatabase;

// Synthetic but realistic goods for tests and benchmarks: Chinese names, makers and
// specifications, codes like YP0001234 and valid EAN-13 barcodes. The same seed gives the
// same goods.
struct GeneratedGoods {
    QString code, name, supplier, specification, maker, barcode, unit;
    double price;
};

class CatalogueGenerator {
public:
    explicit CatalogueGenerator(quint32 seed = 20261211);

    GeneratedGoods goods(int number);   // the goods with code YP<number>
    // Appends `count` goods (numbers first..first+count-1) to sp in one transaction.
    void fill(SqliteDatabase &db, int first, int count);

private:
    quint32 m_seed;
};

// The EAN-13 check digit of twelve digits.
int ean13CheckDigit(const QString &twelveDigits);
