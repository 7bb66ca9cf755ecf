#pragma once

// How wide the documents' and the drawing's characters print, in thousandths
// of an em. The Word files and the layout drawing set Latin text in Times
// New Roman; Chinese, and symbols such as "φ", "δ", "×" and "°", come from
// the East Asian font at a whole em. The classes are a little generous, so a
// text measured by them fits in Word, in LibreOffice and in a CAD program
// alike: Times New Roman's capitals and a few letters are wider than half an
// em ("16MnR" is 3.1 em, not 2.5), everything else at most half of one.
namespace zelvan {

constexpr int characterAdvancePerMille(char16_t u)
{
    if (u >= 0x80)
        return 1000;
    if (u == u'M' || u == u'W' || u == u'm' || u == u'w' || u == u'%' || u == u'@')
        return 900;
    if (u >= u'A' && u <= u'Z')
        return 750;
    return 500;
}

} // namespace zelvan
