// BER coding of SNMPv1/v2c messages for the hostile agent and its tests.
#include "hostile_ber.h"

#include <charconv>

namespace corvane::test::ber {

namespace {

// Reads TLVs from a byte range; every read is bounds-checked.
class Reader {
  public:
    explicit Reader(std::string_view data) : data_(data) {}
    bool atEnd() const { return pos_ == data_.size(); }

    bool next(uint8_t& tag, std::string_view& content) {
        if (data_.size() - pos_ < 2) {
            return false;
        }
        tag = static_cast<uint8_t>(data_[pos_++]);
        size_t len = static_cast<uint8_t>(data_[pos_++]);
        if (len & 0x80) {
            size_t octets = len & 0x7f;
            // No indefinite lengths, nothing beyond what a datagram can hold.
            if (octets == 0 || octets > 3 || data_.size() - pos_ < octets) {
                return false;
            }
            len = 0;
            for (size_t i = 0; i < octets; ++i) {
                len = (len << 8) | static_cast<uint8_t>(data_[pos_++]);
            }
        }
        if (data_.size() - pos_ < len) {
            return false;
        }
        content = data_.substr(pos_, len);
        pos_ += len;
        return true;
    }

    bool expect(uint8_t want, std::string_view& content) {
        uint8_t tag = 0;
        return next(tag, content) && tag == want;
    }

    bool integer(int64_t& out) {
        std::string_view c;
        if (!expect(kInteger, c)) {
            return false;
        }
        auto v = integerOf(c);
        out = v.value_or(0);
        return v.has_value();
    }

  private:
    std::string_view data_;
    size_t pos_ = 0;
};

}  // namespace

std::string tlv(uint8_t tag, std::string_view content) {
    std::string out(1, static_cast<char>(tag));
    size_t len = content.size();
    if (len < 0x80) {
        out.push_back(static_cast<char>(len));
    } else {
        std::string octets;
        for (size_t n = len; n; n >>= 8) {
            octets.insert(octets.begin(), static_cast<char>(n & 0xff));
        }
        out.push_back(static_cast<char>(0x80 | octets.size()));
        out += octets;
    }
    out.append(content);
    return out;
}

std::string integerContent(int64_t v) {
    // Two's complement, without leading octets that only repeat the sign.
    std::string out;
    for (;;) {
        auto byte = static_cast<uint8_t>(v & 0xff);
        out.insert(out.begin(), static_cast<char>(byte));
        v >>= 8;
        if ((v == 0 && !(byte & 0x80)) || (v == -1 && (byte & 0x80))) {
            return out;
        }
    }
}

std::string unsignedContent(uint64_t v) {
    std::string out;
    do {
        out.insert(out.begin(), static_cast<char>(v & 0xff));
        v >>= 8;
    } while (v);
    if (static_cast<uint8_t>(out[0]) & 0x80) {
        out.insert(out.begin(), '\0');
    }
    return out;
}

std::optional<std::string> oidContent(const Arcs& arcs) {
    if (arcs.size() < 2 || arcs[0] > 2 || (arcs[0] < 2 && arcs[1] >= 40)) {
        return std::nullopt;
    }
    auto base128 = [](uint64_t v) {
        std::string s(1, static_cast<char>(v & 0x7f));
        for (v >>= 7; v; v >>= 7) {
            s.insert(s.begin(), static_cast<char>(0x80 | (v & 0x7f)));
        }
        return s;
    };
    std::string out = base128(uint64_t(arcs[0]) * 40 + arcs[1]);
    for (size_t i = 2; i < arcs.size(); ++i) {
        out += base128(arcs[i]);
    }
    return out;
}

std::optional<int64_t> integerOf(std::string_view content) {
    if (content.empty() || content.size() > 8) {
        return std::nullopt;
    }
    int64_t v = static_cast<int8_t>(content[0]);
    for (size_t i = 1; i < content.size(); ++i) {
        v = static_cast<int64_t>(static_cast<uint64_t>(v) << 8) | static_cast<uint8_t>(content[i]);
    }
    return v;
}

std::optional<uint64_t> unsignedOf(std::string_view content) {
    if (!content.empty() && content[0] == 0) {
        content.remove_prefix(1);
    }
    if (content.size() > 8) {
        return std::nullopt;
    }
    uint64_t v = 0;
    for (char c : content) {
        v = (v << 8) | static_cast<uint8_t>(c);
    }
    return v;
}

std::optional<Arcs> oidOf(std::string_view content) {
    Arcs arcs;
    uint64_t v = 0;
    size_t octets = 0;
    for (char ch : content) {
        auto c = static_cast<uint8_t>(ch);
        v = (v << 7) | (c & 0x7f);
        if (++octets > 5 || v > UINT32_MAX + uint64_t(80)) {
            return std::nullopt;
        }
        if (c & 0x80) {
            continue;
        }
        if (arcs.empty()) {
            uint32_t first = v < 40 ? 0 : v < 80 ? 1 : 2;
            arcs.push_back(first);
            v -= first * 40;
        }
        if (v > UINT32_MAX) {
            return std::nullopt;
        }
        arcs.push_back(static_cast<uint32_t>(v));
        v = 0;
        octets = 0;
    }
    if (octets != 0 || arcs.size() < 2 || arcs.size() > 128) {
        return std::nullopt;
    }
    return arcs;
}

std::string encode(const Message& m) {
    std::string vbs;
    for (const VarBind& vb : m.varbinds) {
        std::string name = tlv(kObjectId, oidContent(vb.name).value_or(std::string()));
        vbs += tlv(kSequence, name + tlv(vb.tag, vb.content));
    }
    std::string pdu = tlv(kInteger, integerContent(m.requestId)) +
                      tlv(kInteger, integerContent(m.errorStatus)) +
                      tlv(kInteger, integerContent(m.errorIndex)) + tlv(kSequence, vbs);
    return tlv(kSequence, tlv(kInteger, integerContent(m.version)) +
                              tlv(kOctetString, m.community) + tlv(m.pduType, pdu));
}

std::optional<Message> decode(std::string_view datagram) {
    Reader outer(datagram);
    std::string_view body;
    if (!outer.expect(kSequence, body) || !outer.atEnd()) {
        return std::nullopt;
    }
    Message m;
    Reader msg(body);
    std::string_view community, pdu;
    uint8_t pduType = 0;
    if (!msg.integer(m.version) || (m.version != 0 && m.version != 1) ||
        !msg.expect(kOctetString, community) || !msg.next(pduType, pdu) || !msg.atEnd()) {
        return std::nullopt;
    }
    m.community.assign(community);
    m.pduType = pduType;
    if ((pduType & 0xe0) != 0xa0) {
        return std::nullopt;
    }
    Reader p(pdu);
    std::string_view list;
    if (!p.integer(m.requestId) || !p.integer(m.errorStatus) || !p.integer(m.errorIndex) ||
        !p.expect(kSequence, list) || !p.atEnd()) {
        return std::nullopt;
    }
    Reader vbs(list);
    while (!vbs.atEnd()) {
        std::string_view vb, name;
        VarBind out;
        if (!vbs.expect(kSequence, vb)) {
            return std::nullopt;
        }
        Reader r(vb);
        std::string_view value;
        if (!r.expect(kObjectId, name) || !r.next(out.tag, value) || !r.atEnd()) {
            return std::nullopt;
        }
        auto arcs = oidOf(name);
        if (!arcs) {
            return std::nullopt;
        }
        out.name = std::move(*arcs);
        out.content.assign(value);
        m.varbinds.push_back(std::move(out));
    }
    return m;
}

std::string oidText(const Arcs& arcs) {
    std::string out;
    for (size_t i = 0; i < arcs.size(); ++i) {
        if (i) {
            out.push_back('.');
        }
        out += std::to_string(arcs[i]);
    }
    return out;
}

std::optional<Arcs> parseOidText(std::string_view text) {
    if (!text.empty() && text.front() == '.') {
        text.remove_prefix(1);
    }
    Arcs arcs;
    while (!text.empty()) {
        size_t dot = text.find('.');
        std::string_view part = text.substr(0, dot);
        uint32_t arc = 0;
        auto [p, ec] = std::from_chars(part.data(), part.data() + part.size(), arc);
        if (ec != std::errc() || p != part.data() + part.size() || part.empty()) {
            return std::nullopt;
        }
        arcs.push_back(arc);
        text = dot == std::string_view::npos ? std::string_view() : text.substr(dot + 1);
    }
    if (arcs.size() < 2) {
        return std::nullopt;
    }
    return arcs;
}

}  // namespace corvane::test::ber
