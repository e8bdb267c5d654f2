#include "ExpatEncoding.h"

#include <unicode/ucnv.h>
#include <unicode/utf16.h>

#include <array>
#include <memory>

namespace ExpatEncoding {

namespace {

struct CloseConverter {
    void operator()(UConverter *converter) const { ucnv_close(converter); }
};

// The code point of one byte sequence, or -1 when it is malformed, unmapped
// or beyond the Basic Multilingual Plane, which expat's table cannot hold.
int decode(UConverter *converter, const char *bytes, int32_t length)
{
    UErrorCode status = U_ZERO_ERROR;
    std::array<UChar, 2> out{};
    const int32_t written = ucnv_toUChars(converter, out.data(), static_cast<int32_t>(out.size()), bytes, length, &status);
    if (U_FAILURE(status) || written != 1 || U16_IS_SURROGATE(out[0]))
        return -1;
    return out[0];
}

int XMLCALL decodePair(void *converter, const char *bytes)
{
    return decode(static_cast<UConverter *>(converter), bytes, 2);
}

void XMLCALL release(void *converter)
{
    ucnv_close(static_cast<UConverter *>(converter));
}

} // namespace

int XMLCALL describe(void *, const XML_Char *name, XML_Encoding *info)
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, CloseConverter> converter(ucnv_open(name, &status));
    // An unmapped byte is malformed, as an invalid sequence in UTF-8 is,
    // rather than quietly replaced.
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    const int8_t width = U_SUCCESS(status) ? ucnv_getMaxCharSize(converter.get()) : 0;
    std::array<UBool, 256> leads{};
    if (width == 2)
        ucnv_getStarters(converter.get(), leads.data(), &status);
    if (U_FAILURE(status) || width < 1 || width > 2)
        return XML_STATUS_ERROR;
    for (size_t byte = 0; byte < leads.size(); ++byte) {
        const char single = static_cast<char>(byte);
        info->map[byte] = leads[byte] ? -2 : decode(converter.get(), &single, 1);
    }
    if (width == 2) {
        info->data = converter.release();
        info->convert = decodePair;
        info->release = release;
    } else {
        info->data = nullptr;
        info->convert = nullptr;
        info->release = nullptr;
    }
    return XML_STATUS_OK;
}

}
