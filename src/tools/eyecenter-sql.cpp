#include "SqlConsole.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream in(stdin);
    QTextStream out(stdout);
    QTextStream err(stderr);
    SqlConsole console(in, out, err);
    const int code = console.run(app.arguments().mid(1));
    out.flush();
    err.flush();
    return code;
}
