#include "common/ExerciseFormat.h"

#include "common/TextConversion.h"

QString OevningsRad(const Uppgift& uppgift)
{
    QString rad = uppgift.Ord;
    if (!uppgift.OrdUttal.isEmpty())
        rad += u'[' + uppgift.OrdUttal + u']';
    if (!uppgift.Foerklaring.isEmpty()) {
        rad += QStringLiteral(" (") + uppgift.Foerklaring + u')';
        if (!uppgift.FoerklaringUttal.isEmpty())
            rad += u'[' + uppgift.FoerklaringUttal + u']';
    }
    return rad;
}

Uppgift LaesInOevningTolkaRad(const QString& rad)
{
    Uppgift uppgift;
    int tillstaand = 1;
    for (const QChar c : rad) {
        if (tillstaand == 1 && c == u'[')
            tillstaand = 2;
        else if ((tillstaand == 1 || tillstaand == 2) && c == u'(')
            tillstaand = 3;
        else if (tillstaand == 2 && c == u']')
            continue;
        else if (tillstaand == 3 && c == u'[')
            tillstaand = 4;
        else if (tillstaand == 3 && c == u')')
            continue;
        else if (tillstaand == 4 && c == u']')
            break;
        else
            uppgift.falt(tillstaand).append(c);
    }
    for (int nummer = 1; nummer <= 4; ++nummer)
        RensaFaelt(uppgift.falt(nummer));
    return uppgift;
}

Uppgift RedigeraTolkaRad(const QString& rad)
{
    Uppgift uppgift;
    int ruta = 1;  // field number of the current box
    for (const QChar c : rad) {
        QString& faelt = uppgift.falt(ruta);
        if (c == u'(') {
            if (ruta <= 2) {
                // The blank of " (" belongs to no field; any other character
                // before "(" is part of the text and stays.
                if (faelt.endsWith(u' '))
                    faelt.chop(1);
                ruta = 3;
            }
        } else if (c == u'[') {
            if (ruta == 1 || ruta == 3)
                ++ruta;
        } else if (c != u']' && c != u')') {
            faelt.append(c);
        }
    }
    return uppgift;
}
