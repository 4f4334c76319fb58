#include "utils/MarkupEntities.h"

namespace {

const KestMarkup::TEntity Entities[KestMarkup::EntityCount] = {
    {"amp;", u"&"}, {"lt;", u"<"}, {"gt;", u">"}, {"quot;", u"\""},
    {"&nbsp;", u" "}, {"&eacute;", u"\u00E9"}, {"&egrave;", u"\u00E8"}, {"&euml;", u"\u00EB"}, {"&ecirc;", u"\u00EA"},
    {"&oacute;", u"\u00F3"}, {"&ograve;", u"\u00F2"}, {"&ouml;", u"\u00F6"}, {"&ocirc;", u"\u00F4"},
    {"&iacute;", u"\u00ED"}, {"&igrave;", u"\u00EC"}, {"&iuml;", u"\u00EF"}, {"&icirc;", u"\u00EE"},
    {"&uacute;", u"\u00FA"}, {"&ugrave;", u"\u00F9"}, {"&uuml;", u"\u00FC"}, {"&ucirc;", u"\u00FB"},
    {"&aacute;", u"\u00E1"}, {"&agrave;", u"\u00E0"}, {"&auml;", u"\u00E4"}, {"&acirc;", u"\u00E2"},
    {"&Eacute;", u"\u00C9"}, {"&Egrave;", u"\u00C8"}, {"&Euml;", u"\u00CB"}, {"&Ecirc;", u"\u00CA"},
    {"&Oacute;", u"\u00D3"}, {"&Ograve;", u"\u00D2"}, {"&Ouml;", u"\u00D6"}, {"&Ocirc;", u"\u00D4"},
    {"&Iacute;", u"\u00CD"}, {"&Igrave;", u"\u00CC"}, {"&Iuml;", u"\u00CF"}, {"&Icirc;", u"\u00CE"},
    {"&Uacute;", u"\u00DA"}, {"&Ugrave;", u"\u00D9"}, {"&Uuml;", u"\u00DC"}, {"&Ucirc;", u"\u00DB"},
    {"&Aacute;", u"\u00C1"}, {"&Agrave;", u"\u00C0"}, {"&Auml;", u"\u00C4"}, {"&Acirc;", u"\u00C2"},
    {"&ccedil;", u"\u00E7"}, {"&Ccedil;", u"\u00C7"}, {"&oslash;", u"\u00F8"}, {"&Oslash;", u"\u00D8"},
    {"&aring;", u"\u00E5"}, {"&Aring;", u"\u00C5"}, {"&copy;", u"(c)"}, {"&reg;", u"\u00AE"},
    {"&euro;", u"\u20AC"}, {"&laquo;", u"\u00AB"}, {"&raquo;", u"\u00BB"}, {"&atilde;", u"\u00E3"},
    {"&Atilde;", u"\u00C3"}, {"&otilde;", u"\u00F5"}, {"&Otilde;", u"\u00D5"}, {"&trade;", u"\u2122"},
    {"&sect;", u"\u00A7"}, {"&para;", u"\u00B6"}, {"&szlig;", u"\u00DF"}, {"&pound;", u"\u00A3"},
    {"&#36;", u"$"}, {"&sect;", u"\u00A7"}, {"&permil;", u"\u2030"}, {"&para;", u"\u00B6"},
    {"&#39;", u"'"}, {"&yen;", u"\u00A5"}, {"&curren;", u"\u00A4"}, {"&cent;", u"\u00A2"},
    {"&plusmn;", u"\u00B1"}, {"&iexcl;", u"\u00A1"}, {"&deg;", u"\u00B0"}, {"&#x00FD;", u"\u00FD"},
    {"&#221;", u"\u00DD"}, {"&frac14;", u"\u00BC"}, {"&frac12;", u"\u00BD"}, {"&frac34;", u"\u00BE"},
    {"&AElig;", u"\u00C6"}, {"&aelig;", u"\u00E6"}, {"&Ntilde;", u"\u00D1"}, {"&ntilde;", u"\u00F1"},
    {"&ETH;", u"\u00D0"},
};

}

const KestMarkup::TEntity& KestMarkup::Entity(int index) { return Entities[index]; }
