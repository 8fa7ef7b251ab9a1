#include "Error.h"

namespace db {

Error::Error(const QString& message, const QString& statement)
    : std::runtime_error((message + QStringLiteral("\nStatement: ") + statement).toStdString())
    , message_(message)
    , statement_(statement)
{}

} // namespace db
