#include "win/support/IniCorpus.h"

namespace {
std::u16string LongValues() {
    std::u16string text = u"[Long]\r\n";
    for (std::size_t n = 257; n <= 262; ++n) {
        const std::string number = std::to_string(n);
        const std::u16string digits(number.begin(), number.end());
        std::u16string cjk(n, u'\u4e2d');
        cjk[n - 1] = u'\ud55c';
        const std::u16string ascii(n, u'a');
        text += u"plain" + digits + u"=" + cjk + u"\r\n";
        text += u"quoted" + digits + u"=\"" + ascii.substr(0, n - 2) + u"\"\r\n";
        text += u"single" + digits + u"='" + cjk.substr(0, n - 1) + u"'\r\n";
        text += u"padded" + digits + u"=   " + ascii + u"   \r\n";
    }
    return text;
}
}  // namespace

const std::vector<IniCorpusFile>& IniCorpus() {
    static const std::vector<IniCorpusFile> corpus = {
        {"blanks", u"  [English]  \r\n\t ID1 \t=  Save As  \r\n ID2=\t\r\nID3 = x  y \r\n\x1A ID4 = z\x1A\r\n"
                   u"\u3000ID5\u3000=\u3000wide\u3000\r\n\u00a0ID6\u00a0=\u00a0nbsp\u00a0\r\n  \t \r\n"},
        {"quotes", u"[Q]\r\na=\"  padded  \"\r\nb='x'\r\nc=\"mixed'\r\nd=\"\"\r\ne=\"\r\nf=\"\"x\"\"\r\n"
                   u"g= ' spaced '  \r\nh=\"a\"b\"\r\ni='\r\nj=''\r\nk=\"'\"\r\n"},
        {"comments", u"; leading comment\r\n[S]\r\n;ID1=no\r\n; ID2 = no\r\nID1=yes ; trailing\r\n# hash=1\r\n"
                     u"//slash=2\r\n  ;indented=3\r\nID2=two\r\n"},
        {"duplicates", u"[A]\r\nk=1\r\nK=2\r\n[B]\r\nk=b\r\n[a]\r\nk=3\r\nonly=4\r\n[B]\r\nlater=5\r\n"},
        {"long", LongValues()},
        {"missing", u"before=section\r\n[Empty]\r\n[NoEquals]\r\nDefault\r\nID1\r\n[Values]\r\nDefault=\r\nID1=\r\n"},
        {"headers", u"[a]b] tail\r\nk=1\r\n[open\r\nj=2\r\n[ spaced ]\r\nm=3\r\n[[x]]\r\no=5\r\n"
                    u"[tab\t]\r\np=6\r\n x [y]\r\nq=7\r\n"},
        {kEmptySectionName, u"[S]\r\nk=1\r\n[]\r\nn=4\r\n[T]\r\nm=5\r\n"},
        {"line ends", u"[S]\ra=1\rb=2\n[T]\r\nc=3\rd=4\r\n[U]\ne=5\n\n\nf=6\r\r\n"},
        {"carriage returns only", u"[R]\rk=v\rj=w\r"},
        {"no final line end", u"[S]\r\nk=v"},
        {"equals", u"[E]\r\nk==v\r\nj = = v\r\n=v\r\n = \r\nx=a=b\r\n"},
        {"empty", u""},
        {"unicode", u"[\u4e2d\u6587]\r\nID1=\u4fdd\u5b58\r\n[\ud55c\uad6d\uc5b4]\r\nID1=\uc800\uc7a5\r\n"
                    u"[\u00dcn\u00efcode]\r\n\u00c9t\u00e9=summer\r\n[\u0420\u0443\u0441\u0441\u043a\u0438\u0439]\r\n"
                    u"\u041a\u043b\u044e\u0447=\u0437\u043d\u0430\u0447\u0435\u043d\u0438\u0435\r\n"
                    u"[\u0394\u03b5\u03b9\u03b3\u03bc\u03b1]\r\n\u039a\u03bb\u03b5\u03b9\u03b4\u03af=\u03c4\u03b9\u03bc\u03ae\r\n"
                    u"[emoji]\r\nk=\U0001F3AE play\r\n"},
        {"language file", u"; texts\r\n[Language]\r\nDefault = Korean \r\n\r\n[Korean]\r\nID1=IDC_BTN_SAVE\r\n"
                          u"TEXT1=\uc800\uc7a5\r\nID2=IDC_BTN_CANCEL\r\nID3=IDC_BTN_MACRO\r\nTEXT3=\ub9e4\ud06c\ub85c\r\n"
                          u"[include]\r\ninclude1=sub\\Chinese.ini\r\ninclude2=\r\n"},
    };
    return corpus;
}
