#include "app/numtext.h"
#include "diagram/diagrams.h"

namespace tavrel
{

QString shown(const char *pattern, double value)
{
    return QString::fromStdString(FormatFloat(pattern, value)).trimmed();
}

} // namespace tavrel
