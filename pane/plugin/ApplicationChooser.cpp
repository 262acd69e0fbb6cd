#include "pane/plugin/ApplicationChooser.h"

#include "pane/ApplicationEntries.h"
#include "pane/plugin/ImageAndTextCellDelegate.h"
#include "platform/desktop/HostFolders.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kPathRole = Qt::UserRole;

// The applications, each icon looked up the first time a view asks for it: only the rows on
// screen are ever drawn, and a theme lookup costs a walk through the theme's folders.
class ApplicationListModel : public QAbstractListModel {
    Q_OBJECT

public:
    ApplicationListModel(QList<ApplicationEntry> entries, QObject* parent)
        : QAbstractListModel(parent), entries_(std::move(entries)) {}

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : int(entries_.size());
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
            return {};
        const ApplicationEntry& entry = entries_[index.row()];
        switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return entry.name;
        case Qt::ToolTipRole:
        case kPathRole:
            return entry.path;
        case Qt::DecorationRole:
            return icon(entry.iconName);
        default:
            return {};
        }
    }

private:
    QIcon icon(const QString& name) const {
        const auto cached = icons_.constFind(name);
        if (cached != icons_.constEnd())
            return *cached;
        QIcon icon;
        if (QDir::isAbsolutePath(name)) {
            if (QFileInfo::exists(name))
                icon = QIcon(name);
        } else if (!name.isEmpty()) {
            icon = QIcon::fromTheme(name);
        }
        if (icon.isNull())
            icon = genericIcon();
        icons_.insert(name, icon);
        return icon;
    }

    QIcon genericIcon() const {
        if (genericIcon_.isNull())
            genericIcon_ =
                QIcon::fromTheme(QStringLiteral("application-x-executable"),
                                 QApplication::style()->standardIcon(QStyle::SP_FileIcon));
        return genericIcon_;
    }

    QList<ApplicationEntry> entries_;
    mutable QHash<QString, QIcon> icons_; // by Icon value: many entries share one
    mutable QIcon genericIcon_;
};

bool isChoosable(const QString& path) {
    const QFileInfo info(path);
    return info.isDir() ? path.endsWith(QStringLiteral(".app"))
                        : info.isFile() && path.endsWith(QStringLiteral(".desktop"));
}

// A file dialog that takes an application bundle for a file: choosing one, or entering it,
// chooses it instead of opening the folder.
class ApplicationFileDialog : public QFileDialog {
    Q_OBJECT

public:
    explicit ApplicationFileDialog(QWidget* parent)
        : QFileDialog(parent, tr("Choose an Application"), QDir::homePath(),
                      tr("Applications (*.app *.desktop)")) {
        setObjectName(QStringLiteral("otherApplicationDialog"));
        setAccessibleName(tr("Choose an application in another folder"));
        setOption(QFileDialog::DontUseNativeDialog); // a portal's dialog opens bundles as folders
        setFileMode(QFileDialog::ExistingFiles);
        setLabelText(QFileDialog::Accept, tr("Choose"));
        connect(this, &QFileDialog::directoryEntered, this, [this](const QString& folder) {
            if (!isChoosable(folder))
                return;
            setDirectory(QFileInfo(folder).path());
            chosen_ = {QDir::cleanPath(folder)};
            QDialog::accept();
        });
    }

    const QStringList& chosen() const { return chosen_; }

    void accept() override {
        const QStringList files = selectedFiles();
        if (!files.isEmpty() && std::all_of(files.begin(), files.end(), isChoosable)) {
            chosen_ = files;
            QDialog::accept();
        } else if (std::all_of(files.begin(), files.end(),
                               [](const QString& path) { return QFileInfo(path).isDir(); })) {
            QFileDialog::accept(); // opens the folder
        }
    }

private:
    QStringList chosen_;
};

} // namespace

ApplicationChooser::ApplicationChooser(const QString& accessoryText, QWidget* parent)
    : ApplicationChooser(accessoryText, HostFolders::applicationFolders(), parent) {}

ApplicationChooser::ApplicationChooser(const QString& accessoryText, const QStringList& folders,
                                       QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("applicationChooser"));
    setWindowTitle(tr("Choose Applications"));
    setAccessibleName(tr("Choose applications"));
    setWindowModality(Qt::WindowModal);

    searchField_ = new QLineEdit(this);
    searchField_->setObjectName(QStringLiteral("searchField"));
    searchField_->setAccessibleName(tr("Search applications"));
    searchField_->setToolTip(tr("Shows only the applications whose name contains what you type."));
    searchField_->setPlaceholderText(tr("Search"));
    searchField_->setClearButtonEnabled(true);
    searchField_->installEventFilter(this);

    filter_ = new QSortFilterProxyModel(this);
    filter_->setSourceModel(
        new ApplicationListModel(ApplicationEntries::installedApplications(folders), filter_));
    filter_->setFilterCaseSensitivity(Qt::CaseInsensitive);

    // A one-column table rather than a list: its rows take the view's height, as a table's do,
    // so no row is measured and the icons of rows never shown are never loaded.
    list_ = new QTableView(this);
    list_->setObjectName(QStringLiteral("applicationList"));
    list_->setAccessibleName(tr("Applications"));
    list_->setToolTip(tr("Ctrl-click or Shift-click to choose several applications."));
    auto* cell = new ImageAndTextCellDelegate(list_);
    cell->setEditable(false);
    list_->setItemDelegate(cell);
    list_->setModel(filter_);
    list_->horizontalHeader()->hide();
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list_->verticalHeader()->setDefaultSectionSize(
        std::max(list_->fontMetrics().height(), ImageAndTextCellDelegate::kImageSide) + 4);
    list_->setShowGrid(false);
    list_->setWordWrap(false);
    list_->setTabKeyNavigation(false);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->installEventFilter(this);

    auto* accessory = new QLabel(accessoryText, this);
    accessory->setObjectName(QStringLiteral("accessoryView"));
    accessory->setAccessibleName(accessoryText);
    accessory->setToolTip(tr("What the applications you choose are used for."));
    accessory->setWordWrap(true);
    accessory->setHidden(accessoryText.isEmpty());

    auto* otherButton = new QPushButton(tr("&Other…"), this);
    otherButton->setObjectName(QStringLiteral("otherButton"));
    otherButton->setAccessibleName(tr("Other application"));
    otherButton->setToolTip(tr("Choose an application bundle or desktop entry in another folder."));
    otherButton->setAutoDefault(false);

    // The platform's order for the two.
    auto* buttons = new QDialogButtonBox(this);
    buttons->setObjectName(QStringLiteral("chooserButtons"));
    buttons->setAccessibleName(tr("Cancel or choose"));
    QPushButton* cancelButton = buttons->addButton(QDialogButtonBox::Cancel);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setAccessibleName(tr("Cancel"));
    cancelButton->setToolTip(tr("Close without choosing."));
    chooseButton_ = buttons->addButton(tr("Choose"), QDialogButtonBox::AcceptRole);
    chooseButton_->setObjectName(QStringLiteral("chooseButton"));
    chooseButton_->setAccessibleName(tr("Choose"));
    chooseButton_->setToolTip(tr("Choose the selected applications."));
    chooseButton_->setDefault(true);
    chooseButton_->setEnabled(false);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(otherButton);
    buttonRow->addStretch(1);
    buttonRow->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(searchField_);
    layout->addWidget(list_, 1);
    layout->addWidget(accessory);
    layout->addLayout(buttonRow);

    connect(searchField_, &QLineEdit::textChanged, this, &ApplicationChooser::filterChanged);
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ApplicationChooser::selectionChanged);
    connect(list_, &QTableView::doubleClicked, this, &ApplicationChooser::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &ApplicationChooser::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ApplicationChooser::reject);
    connect(otherButton, &QPushButton::clicked, this, &ApplicationChooser::chooseOther);

    setTabOrder(searchField_, list_);
    setTabOrder(list_, otherButton);
    searchField_->setFocus();
    resize(440, 500);
}

ApplicationChooser::~ApplicationChooser() = default;

QStringList ApplicationChooser::selectedPaths() const {
    QModelIndexList rows = list_->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QStringList paths;
    for (const QModelIndex& row : std::as_const(rows))
        paths.append(row.data(kPathRole).toString());
    return paths;
}

void ApplicationChooser::accept() {
    const QStringList paths = selectedPaths();
    if (!paths.isEmpty())
        finish(paths);
}

// Links are resolved, so that one application reached through two paths is one path.
void ApplicationChooser::finish(const QStringList& paths) {
    filenames_.clear();
    for (const QString& path : paths) {
        const QString resolved = QFileInfo(path).canonicalFilePath();
        filenames_.append(resolved.isEmpty() ? path : resolved);
    }
    QDialog::accept();
}

void ApplicationChooser::filterChanged(const QString& text) {
    filter_->setFilterFixedString(text);
    // So that typing a name and pressing Enter chooses the first match.
    if (!text.isEmpty() && !list_->selectionModel()->hasSelection() && filter_->rowCount() > 0)
        list_->selectionModel()->setCurrentIndex(
            filter_->index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ApplicationChooser::selectionChanged() {
    chooseButton_->setEnabled(list_->selectionModel()->hasSelection());
}

void ApplicationChooser::chooseOther() {
    auto* dialog = new ApplicationFileDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] { finish(dialog->chosen()); });
    dialog->open();
}

bool ApplicationChooser::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == searchField_) {
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QCoreApplication::sendEvent(list_, event);
            return true;
        default:
            break;
        }
    } else if (watched == list_) {
        const bool typesText =
            !key->text().isEmpty() && key->text().front().isPrint() &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (typesText || key->key() == Qt::Key_Backspace) {
            searchField_->setFocus(Qt::OtherFocusReason);
            QCoreApplication::sendEvent(searchField_, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

#include "ApplicationChooser.moc"
