// How a number field reads the text typed into it.
#include "EditNumber.h"

int32_t ReadEditNumber(const QString &text)
{
    int i = 0;
    while (i < text.size() && QStringView(u" \t\n\v\f\r").contains(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    int64_t value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        value = std::min<int64_t>(value * 10 + (text[i].unicode() - u'0'), int64_t(INT32_MAX) + 1);
    if (negative)
        value = -value;
    return int32_t(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}
