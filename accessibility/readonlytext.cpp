#include "accessibility/readonlytext.h"

#include <algorithm>

QString ReadOnlyText::text(int startOffset, int endOffset) const
{
    const QString all = content();
    const int start = std::clamp(startOffset, 0, int(all.size()));
    const int end = endOffset < 0 ? int(all.size()) : std::clamp(endOffset, start, int(all.size()));
    return all.mid(start, end - start);
}

int ReadOnlyText::characterCount() const
{
    return int(content().size());
}

void ReadOnlyText::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

QString ReadOnlyText::attributes(int offset, int *startOffset, int *endOffset) const
{
    *startOffset = offset;
    *endOffset = offset;
    return QString();
}
