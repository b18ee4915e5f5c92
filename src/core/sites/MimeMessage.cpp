#include "sites/MimeMessage.h"

#include "text/Encoding.h"
#include "text/Strings.h"

#include <gmime/gmime.h>

#include <mutex>

namespace postling {

namespace {

void initOnce() {
    static std::once_flag once;
    std::call_once(once, [] { g_mime_init(); });
}

// One header's text as one line: folding undone, blanks at the ends gone.
std::string oneLine(const char* value) {
    if (!value)
        return {};
    std::string s = replaceAll(replaceAll(value, "\r\n", " "), "\n", " ");
    for (char& c : s)
        if (c == '\t' || c == '\r')
            c = ' ';
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::string addresses(InternetAddressList* list) {
    if (!list || internet_address_list_length(list) == 0)
        return {};
    char* text = internet_address_list_to_string(list, nullptr, FALSE);
    std::string out = text ? text : "";
    g_free(text);
    return toUtf8(oneLine(out.c_str()));
}

} // namespace

MimeHeaders readMimeHeaders(const std::string& source) {
    initOnce();
    MimeHeaders h;
    GMimeStream* stream = g_mime_stream_mem_new_with_buffer(source.data(), source.size());
    GMimeParser* parser = g_mime_parser_new_with_stream(stream);
    g_object_unref(stream);
    GMimeMessage* message = g_mime_parser_construct_message(parser, nullptr);
    g_object_unref(parser);
    if (!message)
        return h;
    h.from = addresses(g_mime_message_get_from(message));
    h.to = addresses(g_mime_message_get_to(message));
    h.cc = addresses(g_mime_message_get_cc(message));
    h.subject = toUtf8(oneLine(g_mime_message_get_subject(message)));
    h.date = toUtf8(oneLine(g_mime_object_get_header(GMIME_OBJECT(message), "Date")));
    h.ok = !(h.from.empty() && h.subject.empty() && h.date.empty() && h.to.empty());
    g_object_unref(message);
    return h;
}

} // namespace postling
