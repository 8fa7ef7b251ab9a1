#include "ParameterDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

ParameterDialog::ParameterDialog(const QList<Field>& fields, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ParameterDialog"));
    setWindowTitle(QStringLiteral("Enter Parameter Values"));
    auto* form = new QFormLayout(this);
    for (const Field& field : fields) {
        auto* box = new QLineEdit(this);
        box->setObjectName(field.name);
        box->setMinimumWidth(220);
        form->addRow(field.prompt, box);
        boxes_.append(box);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    setFixedSize(sizeHint());
}

QStringList ParameterDialog::values() const
{
    QStringList values;
    for (const QLineEdit* box : boxes_)
        values.append(box->text());
    return values;
}
