#pragma once

#include "Status.h"

#include <QString>

#include <string>
#include <string_view>
#include <vector>

// A streaming XML reader over expat. It resolves namespace prefixes itself (expat's own
// namespace mode builds an expanded name for every element and attribute, which costs
// more than half again the whole parse), so element names arrive split into their
// namespace URI and local name, and whatever prefix a producer chose works the same. A
// document type declaration is refused (no entity is ever expanded), an unbound prefix is
// an error, and nesting deeper than kMaxDepth stops the parse instead of growing.
struct XmlName {
    std::string_view ns;
    std::string_view local;
};

class XmlStream;

// The attributes of one element, valid during the startElement call only.
class XmlAttributes {
public:
    XmlAttributes(const char** raw, const XmlStream& stream) : m_raw(raw), m_stream(stream) {}

    // Name/value pairs as written ("prefix:local"), null-terminated. Unprefixed names, the
    // usual case, need no resolving.
    const char** raw() const { return m_raw; }
    // The resolved name of the attribute at raw index i (even). An unprefixed attribute has
    // no namespace.
    XmlName name(int i) const;
    // The value of the attribute with this local name in namespace ns (empty: none).
    const char* find(std::string_view local, std::string_view ns = {}) const;
    // Same, whatever the namespace.
    const char* findAnyNs(std::string_view local) const;

private:
    const char** m_raw;
    const XmlStream& m_stream;
};

class XmlHandler {
public:
    virtual ~XmlHandler() = default;
    virtual void startElement(const XmlName& name, const XmlAttributes& attrs) = 0;
    // Only the local name is given (the namespace is that of the matching start tag).
    virtual void endElement(const XmlName& name) = 0;
    virtual void characters(const char* /*data*/, int /*len*/) {}

protected:
    // Stops the parse with a reason clause for the user ("it is damaged (...).").
    void fail(Sentence reason);
    // Stops the parse without an error: the handler has all it needs.
    void stopEarly();

private:
    friend class XmlStream;
    XmlStream* m_stream = nullptr;
};

class XmlStream {
public:
    static constexpr int kMaxDepth = 1000;
    // Longest single tag (with its attributes) held while it is being read.
    static constexpr qint64 kMaxPendingBytes = qint64(64) << 20;

    // partLabel names the part in messages, e.g. "the worksheet"; a text label is a part's
    // name, shown as it stands ("content.xml").
    XmlStream(XmlHandler& handler, Sentence partLabel);
    XmlStream(XmlHandler& handler, const QString& partLabel)
        : XmlStream(handler, Sentence::plain(partLabel)) {}
    ~XmlStream();
    XmlStream(const XmlStream&) = delete;
    XmlStream& operator=(const XmlStream&) = delete;

    // Feeds the next chunk; false once the parse has stopped (see status() and stoppedEarly()).
    bool feed(const char* data, qsizetype len);
    // Ends the document; false when it is not complete or an error occurred.
    bool finish();
    // The reason clause when the parse failed.
    Status status() const;
    bool stoppedEarly() const { return m_stoppedEarly; }

private:
    friend class XmlHandler;
    friend class XmlAttributes;
    struct Callbacks;
    struct Binding {
        std::string prefix; // empty: the default namespace
        std::string uri;
        int depth;
    };
    void stopWith(Sentence reason);
    void stopQuietly();
    bool check(int result);
    void unboundPrefix();
    // The URI bound to a prefix; null when unbound.
    const std::string* lookup(std::string_view prefix) const;
    // Splits "prefix:local" and resolves the prefix; false for an unbound prefix.
    bool resolve(const char* qname, bool isAttribute, XmlName& out) const;
    void bind(const char** attrs);

    XmlHandler& m_handler;
    Sentence m_label;
    void* m_parser;
    Sentence m_error;
    int m_depth = 0;
    qint64 m_fed = 0;
    bool m_stopped = false;
    bool m_stoppedEarly = false;
    std::vector<Binding> m_bindings;
    // Recent prefix lookups; bindings change rarely (mostly on the root element).
    struct CacheEntry {
        std::string prefix;
        const std::string* uri = nullptr;
    };
    mutable CacheEntry m_cache[4];
    mutable unsigned m_cacheNext = 0;
};

class Yielder;
class ZipPackage;

// Streams one part of a package through a handler, ticking the yielder per chunk. The
// failure carries only the reason clause.
Status parseZipPart(const ZipPackage& zip, qint64 index, XmlHandler& handler,
                    const Sentence& partLabel, Yielder& yielder);
inline Status parseZipPart(const ZipPackage& zip, qint64 index, XmlHandler& handler,
                           const QString& partLabel, Yielder& yielder) {
    return parseZipPart(zip, index, handler, Sentence::plain(partLabel), yielder);
}
