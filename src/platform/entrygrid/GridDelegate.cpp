#include "GridDelegate.h"

#include "GridModel.h"

#include <QComboBox>
#include <QDoubleValidator>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolTip>
#include <QWheelEvent>

namespace {

// Decimal numbers in the C locale, which is how the program reads cells back; an emptied cell
// is allowed, as the program reads an empty number as its default.
class NumberValidator : public QDoubleValidator {
public:
    explicit NumberValidator(QObject* parent)
        : QDoubleValidator(parent)
    {
        setNotation(StandardNotation);
        QLocale plain = QLocale::c();
        plain.setNumberOptions(QLocale::RejectGroupSeparator);
        setLocale(plain);
    }

    State validate(QString& input, int& position) const override
    {
        return input.isEmpty() ? Acceptable : QDoubleValidator::validate(input, position);
    }
};

// A fixed drop-down whose choice counts as made when picked in its open list. Letters and
// arrows on the closed list only move the choice, so the clerk confirms it with Enter.
class ListEditor : public QComboBox {
public:
    ListEditor(QWidget* parent, const QStringList& choices,
               std::function<void(QWidget* editor)> picked)
        : QComboBox(parent)
    {
        setEditable(false);
        addItems(choices);
        connect(this, &QComboBox::activated, this, [this, picked] {
            if (!moving_)
                picked(this);
        });
    }

protected:
    void keyPressEvent(QKeyEvent* key) override
    {
        moving_ = true;
        QComboBox::keyPressEvent(key);
        moving_ = false;
    }

    void wheelEvent(QWheelEvent* wheel) override
    {
        moving_ = true;
        QComboBox::wheelEvent(wheel);
        moving_ = false;
    }

private:
    bool moving_ = false;
};

bool endsEdit(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    default:
        return false;
    }
}

} // namespace

GridDelegate::GridDelegate(GridModel& model, EditorKeys editorKeys, QObject* parent)
    : QStyledItemDelegate(parent)
    , model_(model)
    , editorKeys_(std::move(editorKeys))
{}

QString GridDelegate::numbersOnlyMessage()
{
    return tr("Only a number can be entered in this column.");
}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex& index) const
{
    const ColumnRule rule = model_.ruleOf(model_.cellColumn(index));
    if (rule.editor == ColumnRule::Editor::List)
        return listEditor(parent, rule.choices);
    return lineEditor(parent, rule.numeric);
}

QWidget* GridDelegate::listEditor(QWidget* parent, const QStringList& choices) const
{
    // Picking in the open list is the clerk's answer: no second key needed.
    auto* self = const_cast<GridDelegate*>(this);
    return new ListEditor(parent, choices, [self](QWidget* editor) { self->finish(editor); });
}

QWidget* GridDelegate::lineEditor(QWidget* parent, bool numeric) const
{
    auto* line = new QLineEdit(parent);
    line->setFrame(false);
    if (!numeric)
        return line;
    line->setValidator(new NumberValidator(line));
    line->setToolTip(numbersOnlyMessage());
    connect(line, &QLineEdit::inputRejected, line, [line] { tellNumbersOnly(line); });
    return line;
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const QString text = index.data(Qt::EditRole).toString();
    if (auto* list = qobject_cast<QComboBox*>(editor))
        list->setCurrentIndex(list->findText(text));
    else if (auto* line = qobject_cast<QLineEdit*>(editor))
        line->setText(text);
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const
{
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        if (list->currentIndex() >= 0)
            model->setData(index, list->currentText(), Qt::EditRole);
        return;
    }
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line)
        return;
    // Whatever way the edit ends, a text that is not a number never reaches a numeric cell.
    if (refusesValue(line)) {
        tellNumbersOnly(line);
        return;
    }
    model->setData(index, line->text(), Qt::EditRole);
}

bool GridDelegate::finish(QWidget* editor)
{
    if (auto* line = qobject_cast<QLineEdit*>(editor); line && refusesValue(line)) {
        tellNumbersOnly(line);
        return false;
    }
    emit commitData(editor);
    emit closeEditor(editor, NoHint);
    return true;
}

bool GridDelegate::refusesValue(const QLineEdit* editor)
{
    return editor->validator() && !editor->hasAcceptableInput();
}

void GridDelegate::tellNumbersOnly(QLineEdit* editor)
{
    QToolTip::showText(editor->mapToGlobal(QPoint(0, editor->height())), numbersOnlyMessage(),
                       editor);
}

bool GridDelegate::eventFilter(QObject* watched, QEvent* event)
{
    auto* editor = qobject_cast<QWidget*>(watched);
    if (!editor || event->type() != QEvent::KeyPress)
        return QStyledItemDelegate::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    // Qt would keep a half-typed number open without a word; say why.
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (line && endsEdit(*key) && refusesValue(line)) {
        tellNumbersOnly(line);
        return true;
    }
    if (editorKeys_(editor, key))
        return true;
    return QStyledItemDelegate::eventFilter(watched, event);
}
