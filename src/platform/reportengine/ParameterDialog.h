#pragma once

#include <QDialog>
#include <QList>

class QLineEdit;

// Asks for the parameter fields that were given no value: one box per field, named after the
// field, labelled with its prompt.
class ParameterDialog : public QDialog {
    Q_OBJECT

public:
    struct Field {
        QString name;
        QString prompt;
    };

    explicit ParameterDialog(const QList<Field>& fields, QWidget* parent = nullptr);
    QStringList values() const;

private:
    QList<QLineEdit*> boxes_;
};
