#include "DefaultMarkUps.h"

DefaultMarkUps& DefaultMarkUps::shared()
{
    static DefaultMarkUps markUps;
    return markUps;
}
