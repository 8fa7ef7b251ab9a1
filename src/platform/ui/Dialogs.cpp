#include "Dialogs.h"

#include <QDialog>

int WidgetDialogs::run(QDialog& dialog)
{
    return dialog.exec();
}

int ScriptedDialogs::run(QDialog& dialog)
{
    ran_.append(dialog.objectName());
    if (actions_.isEmpty())
        return QDialog::Rejected;
    const Action action = actions_.takeFirst();
    const int result = action(dialog);
    dialog.setResult(result);
    return result;
}
