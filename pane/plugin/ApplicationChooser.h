#pragma once

#include <QDialog>
#include <QStringList>

class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

// The open panel for choosing applications: the installed applications by name and icon, a
// search field that filters them as one types, the caller's accessory text, and "Other…" for a
// bundle or desktop entry in another folder. Modal to its window, as a sheet; the result code is
// QDialog::Accepted when the user chose.
class ApplicationChooser : public QDialog {
    Q_OBJECT

public:
    // Lists the host's applications folders.
    explicit ApplicationChooser(const QString& accessoryText, QWidget* parent = nullptr);
    // Lists the desktop entries of folders, later ones overriding earlier ones.
    ApplicationChooser(const QString& accessoryText, const QStringList& folders,
                       QWidget* parent = nullptr);
    ~ApplicationChooser() override;

    // The chosen full paths with links resolved, in the order the chooser showed them (or the
    // file dialog of "Other…" gave them); empty until it is accepted.
    const QStringList& filenames() const { return filenames_; }

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QStringList selectedPaths() const;
    void filterChanged(const QString& text);
    void selectionChanged();
    void chooseOther();
    void finish(const QStringList& paths);

    QSortFilterProxyModel* filter_ = nullptr;
    QLineEdit* searchField_ = nullptr;
    QTableView* list_ = nullptr;
    QPushButton* chooseButton_ = nullptr;
    QStringList filenames_;
};
