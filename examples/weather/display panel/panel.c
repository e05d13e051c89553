#include <userint.h>

int panel(void)
{
    return MessagePopup("Weather", "The display panel");
}
