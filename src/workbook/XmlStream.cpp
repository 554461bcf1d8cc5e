#include "XmlStream.h"

#include "Yielder.h"
#include "ZipPackage.h"

#include <expat.h>

#include <cstring>

namespace {
constexpr std::string_view kXmlNs = "http://www.w3.org/XML/1998/namespace";
constexpr std::string_view kXmlnsNs = "http://www.w3.org/2000/xmlns/";
} // namespace

void XmlHandler::fail(Sentence reason) {
    if (m_stream) {
        m_stream->stopWith(std::move(reason));
    }
}

void XmlHandler::stopEarly() {
    if (m_stream) {
        m_stream->stopQuietly();
    }
}

XmlName XmlAttributes::name(int i) const {
    XmlName n;
    if (!m_stream.resolve(m_raw[i], true, n)) {
        // An unbound prefix on an attribute: it matches nothing.
        n.ns = kXmlnsNs;
    }
    return n;
}

const char* XmlAttributes::find(std::string_view local, std::string_view ns) const {
    for (int i = 0; m_raw[i]; i += 2) {
        const XmlName n = name(i);
        if (n.local == local && n.ns == ns) {
            return m_raw[i + 1];
        }
    }
    return nullptr;
}

const char* XmlAttributes::findAnyNs(std::string_view local) const {
    for (int i = 0; m_raw[i]; i += 2) {
        const XmlName n = name(i);
        if (n.local == local && n.ns != kXmlnsNs) {
            return m_raw[i + 1];
        }
    }
    return nullptr;
}

const std::string* XmlStream::lookup(std::string_view prefix) const {
    for (const CacheEntry& e : m_cache) {
        if (e.uri && e.prefix == prefix) {
            return e.uri;
        }
    }
    for (auto it = m_bindings.rbegin(); it != m_bindings.rend(); ++it) {
        if (it->prefix == prefix) {
            if (it->uri.empty()) {
                return nullptr; // xmlns:p="" undeclares (XML 1.1), xmlns="" resets
            }
            CacheEntry& slot = m_cache[m_cacheNext++ & 3];
            slot.prefix.assign(prefix);
            slot.uri = &it->uri;
            return &it->uri;
        }
    }
    return nullptr;
}

bool XmlStream::resolve(const char* qname, bool isAttribute, XmlName& out) const {
    // One pass over the (short) name finds both its end and the prefix separator.
    const char* colon = nullptr;
    const char* end = qname;
    for (; *end; ++end) {
        if (*end == ':' && !colon) {
            colon = end;
        }
    }
    const size_t len = size_t(end - qname);
    if (!colon) {
        out.local = std::string_view(qname, len);
        out.ns = std::string_view();
        if (isAttribute) {
            if (out.local == "xmlns") {
                out.ns = kXmlnsNs;
            }
            return true; // unprefixed attributes are in no namespace
        }
        if (const std::string* uri = lookup(std::string_view())) {
            out.ns = *uri;
        }
        return true;
    }
    const std::string_view prefix(qname, size_t(colon - qname));
    out.local = std::string_view(colon + 1, len - prefix.size() - 1);
    if (prefix == "xml") {
        out.ns = kXmlNs;
        return true;
    }
    if (prefix == "xmlns") {
        out.ns = kXmlnsNs;
        return true;
    }
    const std::string* uri = lookup(prefix);
    if (!uri) {
        return false;
    }
    out.ns = *uri;
    return true;
}

void XmlStream::bind(const char** attrs) {
    for (const char** a = attrs; *a; a += 2) {
        const char* n = a[0];
        if (n[0] != 'x' || std::strncmp(n, "xmlns", 5) != 0 || (n[5] != 0 && n[5] != ':')) {
            continue;
        }
        m_bindings.push_back({n[5] == 0 ? std::string() : std::string(n + 6), a[1], m_depth});
        for (CacheEntry& e : m_cache) {
            e.uri = nullptr;
        }
    }
}

void XmlStream::unboundPrefix() {
    auto* p = static_cast<XML_Parser>(m_parser);
    stopWith(
        E2V_SENTENCE(QT_TRANSLATE_NOOP(
                         "Workbook",
                         "it is damaged (%1 is not well-formed XML: unbound prefix at line %2)."))
            .arg(m_label)
            .arg(XML_GetCurrentLineNumber(p)));
}

struct XmlStream::Callbacks {
    static void start(void* data, const XML_Char* name, const XML_Char** attrs) {
        auto* s = static_cast<XmlStream*>(data);
        if (s->m_stopped) {
            return;
        }
        if (++s->m_depth > kMaxDepth) {
            s->stopWith(
                E2V_SENTENCE(
                    QT_TRANSLATE_NOOP(
                        "Workbook", "it is damaged (%1 nests elements more than %2 levels deep)."))
                    .arg(s->m_label)
                    .arg(kMaxDepth));
            return;
        }
        if (attrs[0]) {
            s->bind(attrs);
        }
        XmlName n;
        if (!s->resolve(name, false, n)) {
            s->unboundPrefix();
            return;
        }
        s->m_handler.startElement(n, XmlAttributes(attrs, *s));
    }
    static void end(void* data, const XML_Char* name) {
        auto* s = static_cast<XmlStream*>(data);
        if (s->m_stopped) {
            return;
        }
        // The start tag was resolved already and expat checked that this one matches it;
        // handlers get the local name only.
        const char* local = name;
        for (const char* c = name; *c; ++c) {
            if (*c == ':') {
                local = c + 1;
                break;
            }
        }
        s->m_handler.endElement(XmlName{std::string_view(), std::string_view(local)});
        if (!s->m_bindings.empty() && s->m_bindings.back().depth == s->m_depth) {
            while (!s->m_bindings.empty() && s->m_bindings.back().depth == s->m_depth) {
                s->m_bindings.pop_back();
            }
            for (CacheEntry& e : s->m_cache) {
                e.uri = nullptr;
            }
        }
        --s->m_depth;
    }
    static void text(void* data, const XML_Char* chars, int len) {
        auto* s = static_cast<XmlStream*>(data);
        if (!s->m_stopped) {
            s->m_handler.characters(chars, len);
        }
    }
    static void doctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int) {
        auto* s = static_cast<XmlStream*>(data);
        s->stopWith(E2V_SENTENCE(QT_TRANSLATE_NOOP(
                                     "Workbook",
                                     "%1 contains a document type declaration, which this program "
                                     "refuses for safety (it may define entities that expand "
                                     "without end)."))
                        .arg(s->m_label));
    }
    static void entity(void* data, const XML_Char*, int, const XML_Char*, int, const XML_Char*,
                       const XML_Char*, const XML_Char*, const XML_Char*) {
        auto* s = static_cast<XmlStream*>(data);
        s->stopWith(E2V_SENTENCE(
                        QT_TRANSLATE_NOOP("Workbook",
                                          "%1 defines XML entities, which this program refuses for "
                                          "safety."))
                        .arg(s->m_label));
    }
};

XmlStream::XmlStream(XmlHandler& handler, Sentence partLabel)
    : m_handler(handler), m_label(std::move(partLabel)), m_parser(XML_ParserCreate("UTF-8")) {
    auto* p = static_cast<XML_Parser>(m_parser);
    m_handler.m_stream = this;
    if (!p) {
        m_stopped = true;
        m_error =
            E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "there is not enough memory to read it."));
        return;
    }
    XML_SetUserData(p, this);
    XML_SetElementHandler(p, &Callbacks::start, &Callbacks::end);
    XML_SetCharacterDataHandler(p, &Callbacks::text);
    XML_SetStartDoctypeDeclHandler(p, &Callbacks::doctype);
    XML_SetEntityDeclHandler(p, &Callbacks::entity);
    // External entities and DTDs are never loaded: no external entity handler is installed
    // and parameter entity parsing stays off.
    XML_SetParamEntityParsing(p, XML_PARAM_ENTITY_PARSING_NEVER);
}

XmlStream::~XmlStream() {
    m_handler.m_stream = nullptr;
    if (m_parser) {
        XML_ParserFree(static_cast<XML_Parser>(m_parser));
    }
}

void XmlStream::stopWith(Sentence reason) {
    if (m_stopped) {
        return;
    }
    m_stopped = true;
    m_error = std::move(reason);
    XML_StopParser(static_cast<XML_Parser>(m_parser), XML_FALSE);
}

void XmlStream::stopQuietly() {
    if (m_stopped) {
        return;
    }
    m_stopped = true;
    m_stoppedEarly = true;
    XML_StopParser(static_cast<XML_Parser>(m_parser), XML_FALSE);
}

bool XmlStream::check(int result) {
    if (m_stopped) {
        return false;
    }
    if (result == XML_STATUS_ERROR) {
        auto* p = static_cast<XML_Parser>(m_parser);
        m_stopped = true;
        m_error = E2V_SENTENCE(
                      QT_TRANSLATE_NOOP(
                          "Workbook", "it is damaged (%1 is not well-formed XML: %2 at line %3)."))
                      .arg(m_label)
                      .arg(QString::fromUtf8(XML_ErrorString(XML_GetErrorCode(p))))
                      .arg(XML_GetCurrentLineNumber(p));
        return false;
    }
    return true;
}

bool XmlStream::feed(const char* data, qsizetype len) {
    if (m_stopped) {
        return false;
    }
    auto* p = static_cast<XML_Parser>(m_parser);
    while (len > 0) {
        const int n = int(std::min<qsizetype>(len, 1 << 20));
        if (!check(XML_Parse(p, data, n, XML_FALSE))) {
            return false;
        }
        m_fed += n;
        data += n;
        len -= n;
        // Text reaches the handler piece by piece, but expat keeps a whole tag in memory
        // until it ends: a tag that never ends must not grow without bound.
        if (m_fed - qint64(XML_GetCurrentByteIndex(p)) > kMaxPendingBytes) {
            stopWith(
                E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook",
                                               "it is damaged (%1 holds a tag longer than %2 MB)."))
                    .arg(m_label)
                    .arg(kMaxPendingBytes >> 20));
            return false;
        }
    }
    return true;
}

bool XmlStream::finish() {
    if (m_stopped) {
        return m_stoppedEarly;
    }
    return check(XML_Parse(static_cast<XML_Parser>(m_parser), "", 0, XML_TRUE));
}

Status XmlStream::status() const {
    if (m_error.isEmpty()) {
        return Status::success();
    }
    return Status::failure(m_error);
}

Status parseZipPart(const ZipPackage& zip, qint64 index, XmlHandler& handler,
                    const Sentence& partLabel, Yielder& yielder) {
    XmlStream xml(handler, partLabel);
    const Status read = zip.read(index, [&](const char* data, qsizetype size) {
        yielder.tick();
        if (xml.stoppedEarly()) {
            return true; // read on without parsing so that the checksum is still verified
        }
        return xml.feed(data, size) || xml.stoppedEarly();
    });
    if (!xml.status()) {
        return xml.status();
    }
    if (!read) {
        return read;
    }
    if (!xml.finish()) {
        return xml.status();
    }
    return Status::success();
}
