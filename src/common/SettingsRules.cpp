#include "common/SettingsRules.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace LasRegel {

bool T(const std::optional<QString>& text)
{
    return !text || *text != "False";
}

bool F(const std::optional<QString>& text)
{
    return text && *text == "True";
}

double talIBoerjan(const QString& text)
{
    QString tal;
    bool siffror = false, punkt = false, exponent = false;
    for (const QChar c : text) {
        if (c == ' ' || c == '\t' || c == '\n')
            continue;
        if (c.isDigit() && c.unicode() < 128) {
            tal += c;
            siffror = true;
        } else if ((c == '-' || c == '+') &&
                   (tal.isEmpty() || tal.endsWith('e'))) {
            tal += c;
        } else if (c == '.' && !punkt && !exponent) {
            tal += c;
            punkt = true;
        } else if ((c == 'e' || c == 'E') && siffror && !exponent) {
            tal += 'e';
            exponent = true;
        } else {
            break;
        }
    }
    // A trailing exponent mark or sign without digits is not part of it.
    while (!tal.isEmpty() && (tal.endsWith('e') || tal.endsWith('+') || tal.endsWith('-')))
        tal.chop(1);
    // strtod gives infinity for a number too large for a double, which the
    // rules then treat as out of range.
    const QByteArray text8 = tal.toLatin1();
    return text8.isEmpty() ? 0.0 : std::strtod(text8.constData(), nullptr);
}

int W(const std::optional<QString>& text, int lo, int hi, int standard)
{
    if (!text)
        return standard;
    const double v = std::nearbyint(talIBoerjan(*text));
    if (!std::isfinite(v) || v < std::numeric_limits<qint16>::min() ||
        v > std::numeric_limits<qint16>::max())
        return standard;
    const int heltal = int(v);
    return heltal < lo || heltal > hi ? standard : heltal;
}

float D(const std::optional<QString>& text)
{
    if (!text)
        return 1.0f;
    QString t = text->trimmed();
    t.replace(',', '.');
    bool ok = false;
    const float v = t.toFloat(&ok);
    if (!ok || !std::isfinite(v) || v < 0.5f || v > 5.0f)
        return 1.0f;
    return v;
}

}  // namespace LasRegel
