#include "XmlFeedReader.h"

#include "ExpatEncoding.h"
#include "XmlFeedDelegate.h"

#include <expat.h>

#include <algorithm>
#include <limits>
#include <memory>

namespace XmlFeedReader {

namespace {

// Entity expansion may make a document at most this many times its size,
// once it has expanded past the threshold; a legitimate feed uses entities
// for single characters, if at all.
constexpr float maxAmplification = 20.0f;
constexpr unsigned long long amplificationThreshold = 1 << 20;

struct FreeParser {
    void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};

XmlFeedDelegate &delegate(void *userData)
{
    return *static_cast<XmlFeedDelegate *>(userData);
}

void XMLCALL startElement(void *userData, const XML_Char *name, const XML_Char **attributes)
{
    delegate(userData).startElement(name, attributes);
}

void XMLCALL endElement(void *userData, const XML_Char *)
{
    delegate(userData).endElement();
}

void XMLCALL characters(void *userData, const XML_Char *text, int length)
{
    delegate(userData).characters({text, static_cast<size_t>(length)});
}

} // namespace

std::optional<ParsedFeed> read(QByteArrayView data)
{
    const std::unique_ptr<XML_ParserStruct, FreeParser> parser(XML_ParserCreate(nullptr));
    if (!parser)
        return {};
    XmlFeedDelegate delegate;
    XML_SetUserData(parser.get(), &delegate);
    XML_SetElementHandler(parser.get(), startElement, endElement);
    XML_SetCharacterDataHandler(parser.get(), characters);
    XML_SetUnknownEncodingHandler(parser.get(), ExpatEncoding::describe, nullptr);
    XML_SetParamEntityParsing(parser.get(), XML_PARAM_ENTITY_PARSING_NEVER);
    XML_SetBillionLaughsAttackProtectionMaximumAmplification(parser.get(), maxAmplification);
    XML_SetBillionLaughsAttackProtectionActivationThreshold(parser.get(), amplificationThreshold);

    // XML_Parse counts in int; a larger document goes in pieces.
    constexpr qsizetype piece = std::numeric_limits<int>::max() / 2;
    do {
        const qsizetype length = std::min(data.size(), piece);
        const bool last = length == data.size();
        if (XML_Parse(parser.get(), data.data(), static_cast<int>(length), last) != XML_STATUS_OK)
            return {};
        data = data.sliced(length);
    } while (!data.isEmpty());
    return std::move(delegate).feed();
}

}
