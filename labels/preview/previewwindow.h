#pragma once

#include "preparedreport.h"
#include "reportmodel.h"

#include <QDialog>
#include <functional>

class PageView;
class QListWidget;
class QScrollArea;
class QSpinBox;
class QComboBox;

// The report engine's preview: the prepared pages, modal and maximised, with its twelve
// buttons — print, open, save, export, zoom, find, outline, page setup, tools, edit, page
// navigator and quick export. It works on its own copy of the pages.
class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    struct Settings {
        ReportModel::PrintOptions printOptions;
        bool showProgress = true;
        ReportModel::PreviewOptions previewOptions;
    };

    PreviewWindow(const PreparedReport &prepared, const Settings &settings, QWidget *parent = nullptr);
    ~PreviewWindow() override;

    int currentPage() const;
    void goToPage(int page);
    const PreparedReport &prepared() const { return m_prepared; }
    PageView *pageView() const { return m_view; }

    // How the window asks for a file name (to open when `save` is false). Tests replace it.
    using FileChooser = std::function<QString(QWidget *parent, const QString &caption, const QString &filter, bool save)>;
    static void setFileChooser(FileChooser chooser);
    // How the window tells the operator something (errors of its own work, find results).
    using Notice = std::function<void(QWidget *parent, const QString &text)>;
    static void setNotice(Notice notice);

    // The buttons' work, callable directly.
    void printPages();
    void openPrepared();
    void savePrepared();
    void exportPdf();
    void exportJpeg();
    void exportXlsx();
    void quickExport();
    bool find(const QString &text);          // goes to the next page showing the text
    void setOutlineVisible(bool visible);
    void applyPageSetup(double leftMm, double topMm, double rightMm, double bottomMm, bool landscape);

private:
    void buildToolBar();
    void reload();                           // after the pages changed
    void updateNavigator();
    void pageSetupDialog();
    QString chooseFile(const QString &caption, const QString &filter, bool save);
    void guarded(const std::function<void()> &work);

    PreparedReport m_prepared;
    Settings m_settings;
    PageView *m_view = nullptr;
    QScrollArea *m_scroll = nullptr;
    QListWidget *m_outline = nullptr;
    QSpinBox *m_pageNumber = nullptr;
    QComboBox *m_zoom = nullptr;
    int m_findFrom = 0;
    int m_current = 0;
    bool m_scrolling = false;
};
