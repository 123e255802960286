#include "media/platform/result_codes.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace brisat;

TEST(ResultCodes, EveryCodeTheLayerProducesHasAText) {
    const HRESULT codes[] = {S_OK,
                             S_FALSE,
                             VFW_S_DUPLICATE_NAME,
                             VFW_S_PARTIAL_RENDER,
                             VFW_S_VIDEO_NOT_RENDERED,
                             VFW_S_AUDIO_NOT_RENDERED,
                             E_NOTIMPL,
                             E_NOINTERFACE,
                             E_POINTER,
                             E_ABORT,
                             E_FAIL,
                             E_UNEXPECTED,
                             E_FILE_NOT_FOUND,
                             E_ACCESSDENIED,
                             E_OUTOFMEMORY,
                             E_INVALIDARG,
                             VFW_E_INVALIDMEDIATYPE,
                             VFW_E_ALREADY_CONNECTED,
                             VFW_E_NO_ACCEPTABLE_TYPES,
                             VFW_E_NOT_CONNECTED,
                             VFW_E_NOT_FOUND,
                             VFW_E_CANNOT_CONNECT,
                             VFW_E_CANNOT_RENDER,
                             VFW_E_WRONG_STATE,
                             VFW_E_TIMEOUT,
                             VFW_E_INVALID_FILE_FORMAT,
                             VFW_E_UNKNOWN_FILE_TYPE,
                             VFW_E_CANNOT_LOAD_SOURCE_FILTER,
                             VFW_E_FILE_TOO_SHORT,
                             VFW_E_NO_AUDIO_HARDWARE,
                             VFW_E_UNSUPPORTED_STREAM};
    for (HRESULT code : codes) {
        char buffer[255];
        std::uint32_t length = AMGetErrorTextA(code, buffer, sizeof buffer);
        EXPECT_GT(length, 0u) << std::hex << code;
        EXPECT_EQ(std::strlen(buffer), length);
        EXPECT_EQ(MediaResultText(code), buffer);
    }
}

TEST(ResultCodes, TextIsCutToTheBufferAndUnknownCodesGiveNothing) {
    char small[8];
    std::memset(small, 'x', sizeof small);
    EXPECT_EQ(AMGetErrorTextA(E_FILE_NOT_FOUND, small, sizeof small), 7u);
    EXPECT_STREQ(small, "The sys");
    EXPECT_EQ(AMGetErrorTextA(E_FAIL, nullptr, 255), 0u);
    char one[1] = {'x'};
    EXPECT_EQ(AMGetErrorTextA(E_FAIL, one, 1), 0u);
    EXPECT_EQ(one[0], '\0');
    char buffer[255] = "old";
    EXPECT_EQ(AMGetErrorTextA(MakeResult(0x80041234), buffer, sizeof buffer), 0u);
    EXPECT_STREQ(buffer, "");
}

TEST(ResultCodes, GStreamerErrorsMapByDomainAndCode) {
    struct Case {
        GQuark Domain;
        int Code;
        HRESULT Expected;
    };
    const Case cases[] = {
        {GST_RESOURCE_ERROR, GST_RESOURCE_ERROR_NOT_FOUND, E_FILE_NOT_FOUND},
        {GST_RESOURCE_ERROR, GST_RESOURCE_ERROR_OPEN_READ, VFW_E_CANNOT_LOAD_SOURCE_FILTER},
        {GST_RESOURCE_ERROR, GST_RESOURCE_ERROR_SEEK, E_FAIL},
        {GST_STREAM_ERROR, GST_STREAM_ERROR_TYPE_NOT_FOUND, VFW_E_UNKNOWN_FILE_TYPE},
        {GST_STREAM_ERROR, GST_STREAM_ERROR_CODEC_NOT_FOUND, VFW_E_CANNOT_RENDER},
        {GST_STREAM_ERROR, GST_STREAM_ERROR_DEMUX, VFW_E_INVALID_FILE_FORMAT},
        {GST_STREAM_ERROR, GST_STREAM_ERROR_FAILED, VFW_E_INVALID_FILE_FORMAT},
        {GST_CORE_ERROR, GST_CORE_ERROR_MISSING_PLUGIN, VFW_E_CANNOT_RENDER},
        {GST_CORE_ERROR, GST_CORE_ERROR_NEGOTIATION, VFW_E_CANNOT_CONNECT},
        {GST_LIBRARY_ERROR, GST_LIBRARY_ERROR_INIT, E_FAIL},
        {g_quark_from_static_string("somebody-else"), 3, E_FAIL},
    };
    for (const Case& c : cases) {
        GError* error = g_error_new_literal(c.Domain, c.Code, "x");
        EXPECT_EQ(ResultFromGstError(error), c.Expected) << g_quark_to_string(c.Domain) << c.Code;
        g_error_free(error);
    }
    EXPECT_EQ(ResultFromGstError(nullptr), E_FAIL);
}
