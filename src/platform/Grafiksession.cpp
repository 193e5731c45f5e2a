#include "platform/Grafiksession.h"

#include <QString>

#include <xcb/xcb.h>

bool grafiskSessionFinns()
{
    const QString plattform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!plattform.isEmpty() && !plattform.startsWith(QLatin1String("xcb")))
        return true;
    if (plattform.isEmpty() && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    const bool svarar = xcb_connection_has_error(x) == 0;
    xcb_disconnect(x);
    return svarar;
}
