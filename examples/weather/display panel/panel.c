#include <userint.h>
#include <toolbox.h>

/* The workspace builds the display panel as Release64: 64-bit, without CVI's debug macro. */
#if !defined(_WIN64) || defined(_CVI_DEBUG_)
#error "the workspace builds the display panel as Release64"
#endif

int panel(void)
{
    return Clamp(MessagePopup("Weather", "The display panel"), 0, 1);
}
