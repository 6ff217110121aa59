// The "Preferences" dialog: one page per kind of preference (the extra lactate levels, the
// clinic's details, ...), kept when the user presses OK and dropped on Cancel.
#pragma once

#include <QDialog>

#include <functional>
#include <vector>

class QTabWidget;

namespace kavren {

class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    explicit PreferencesDialog(QWidget *parent = nullptr);

    // Adds a page under its title; save (when given) keeps the page's values on OK and returns
    // false, keeping the dialog open, when they could not be kept.
    void addPage(QWidget *page, const QString &title, std::function<bool()> save = {});

    void accept() override;

private:
    QTabWidget *m_pages = nullptr;
    std::vector<std::function<bool()>> m_saves;
};

} // namespace kavren
