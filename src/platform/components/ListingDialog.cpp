#include "ListingDialog.h"

#include "KeyPress.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

bool ListingEntry::matches(const QString& text) const
{
    return code.startsWith(text, Qt::CaseInsensitive) ||
           description.startsWith(text, Qt::CaseInsensitive);
}

ListingDialog::ListingDialog(const QString& title, QList<ListingEntry> entries,
                             const QString& filter, QWidget* parent)
    : QDialog(parent)
    , entries_(std::move(entries))
    , filter_(new QLineEdit(this))
    , grid_(new QTableView(this))
{
    setObjectName(QStringLiteral("ListingDialog"));
    setWindowTitle(title);
    filter_->setObjectName(QStringLiteral("txtFilter"));
    grid_->setObjectName(QStringLiteral("grdListing"));
    buildGrid();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ListingDialog::pick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* label = new QLabel(tr("&Search:"), this);
    label->setBuddy(filter_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(filter_);
    layout->addWidget(grid_);
    layout->addWidget(buttons);
    resize(560, 420);

    (new KeyPress(this))->capitalise(filter_);
    filter_->installEventFilter(this);
    grid_->installEventFilter(this);
    filter_->setText(filter);
    applyFilter(filter);
    connect(filter_, &QLineEdit::textChanged, this, &ListingDialog::applyFilter);
    connect(grid_, &QAbstractItemView::doubleClicked, this, &ListingDialog::pick);
    filter_->setFocus();
}

void ListingDialog::setVisible(bool visible)
{
    QDialog::setVisible(visible);
    // Showing selects the filter's text; the clerk narrows what was typed rather than retyping.
    if (visible)
        filter_->end(false);
}

void ListingDialog::buildGrid()
{
    auto* model = new QStandardItemModel(int(entries_.size()), 2, this);
    model->setHorizontalHeaderLabels({tr("Code"), tr("Description")});
    for (int row = 0; row < entries_.size(); ++row) {
        model->setItem(row, 0, new QStandardItem(entries_[row].code));
        model->setItem(row, 1, new QStandardItem(entries_[row].description));
    }
    grid_->setModel(model);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setTabKeyNavigation(false);
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    grid_->horizontalHeader()->setStretchLastSection(true);
}

QString ListingDialog::chosenCode() const
{
    const QModelIndex current = grid_->currentIndex();
    if (!current.isValid() || grid_->isRowHidden(current.row()))
        return {};
    return entries_[current.row()].code;
}

void ListingDialog::applyFilter(const QString& text)
{
    int first = -1;
    for (int row = 0; row < entries_.size(); ++row) {
        const bool shown = entries_[row].matches(text);
        grid_->setRowHidden(row, !shown);
        if (shown && first < 0)
            first = row;
    }
    grid_->setCurrentIndex(first < 0 ? QModelIndex() : grid_->model()->index(first, 0));
}

void ListingDialog::pick()
{
    if (!chosenCode().isEmpty())
        accept();
}

bool ListingDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == filter_)
        return filterKey(*key);
    if (watched == grid_)
        return gridKey(key);
    return false;
}

bool ListingDialog::filterKey(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        grid_->setFocus();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        pick();
        return true;
    default:
        return false;
    }
}

bool ListingDialog::gridKey(QKeyEvent* key)
{
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        pick();
        return true;
    }
    // Letters typed in the grid go on narrowing the list.
    const QString typed = key->text();
    const bool editsFilter = key->key() == Qt::Key_Backspace ||
                             (!typed.isEmpty() && typed.at(0).isPrint() && typed != u" ");
    if (!editsFilter)
        return false;
    filter_->setFocus();
    QCoreApplication::sendEvent(filter_, key);
    return true;
}
