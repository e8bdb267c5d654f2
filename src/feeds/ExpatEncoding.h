#pragma once

#include <expat.h>

// expat reads UTF-8, UTF-16, ISO-8859-1 and US-ASCII itself. Any other
// encoding a document declares is described to expat from ICU's converter
// for it: every single-byte encoding (windows-1252, the rest of ISO-8859,
// KOI8-R and so on) and the double-byte ones whose lead bytes ICU knows
// (Shift_JIS, GBK, Big5, EUC-KR). Others make the document unreadable.
namespace ExpatEncoding {

// An XML_UnknownEncodingHandler.
int XMLCALL describe(void *handlerData, const XML_Char *name, XML_Encoding *info);

}
