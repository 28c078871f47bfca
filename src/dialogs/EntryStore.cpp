#include "dialogs/EntryStore.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "core/Text.h"

namespace {

// Records of removed entries are dropped from the block once they are this much of it.
constexpr qint64 kCompactAt = 1024 * 1024;

struct Record {
    const char* data;
    qsizetype size;
    bool utf8;
};

Record recordAt(const char* p) {
    quint64 head = 0;
    int shift = 0;
    for (;;) {
        const auto byte = static_cast<unsigned char>(*p++);
        head |= static_cast<quint64>(byte & 0x7f) << shift;
        if (byte < 0x80) {
            break;
        }
        shift += 7;
    }
    return {p, static_cast<qsizetype>(head >> 1), (head & 1) != 0};
}

}  // namespace

qint64 EntryStore::recordBytes(qsizetype size) {
    quint64 head = static_cast<quint64>(size) << 1;
    qint64 bytes = 1;
    while (head >= 0x80) {
        head >>= 7;
        ++bytes;
    }
    return bytes + size;
}

bool EntryStore::append(const char* data, qsizetype size, Encoding encoding) {
    if (size < 0 || bytes_.size() + recordBytes(size) > std::numeric_limits<quint32>::max() ||
        at_.size() >= std::numeric_limits<int>::max()) {
        return false;
    }
    at_.append(static_cast<quint32>(bytes_.size()));
    quint64 head = static_cast<quint64>(size) << 1 | (encoding == Encoding::Utf8 ? 1 : 0);
    while (head >= 0x80) {
        bytes_.append(static_cast<char>(0x80 | (head & 0x7f)));
        head >>= 7;
    }
    bytes_.append(static_cast<char>(head));
    bytes_.append(data, size);
    return true;
}

bool EntryStore::append(const QString& entry) {
    const QByteArray utf8 = entry.toUtf8();
    return append(utf8.constData(), utf8.size(), Encoding::Utf8);
}

QString EntryStore::at(int i) const {
    if (i < 0 || i >= size()) {
        return {};
    }
    const Record r = recordAt(bytes_.constData() + at_.at(i));
    return r.utf8 ? QString::fromUtf8(r.data, r.size) : text::fromAnsi(r.data, r.size);
}

QStringList EntryStore::toList() const {
    QStringList out;
    out.reserve(size());
    for (int i = 0; i < size(); ++i) {
        out.append(at(i));
    }
    return out;
}

void EntryStore::reserve(qsizetype entries, qint64 bytes) {
    at_.reserve(at_.size() + entries);
    bytes_.reserve(static_cast<qsizetype>(bytes_.size() + bytes));
}

void EntryStore::removeAt(int i) {
    if (i < 0 || i >= size()) {
        return;
    }
    const char* start = bytes_.constData() + at_.at(i);
    const Record r = recordAt(start);
    unused_ += (r.data - start) + r.size;
    at_.removeAt(i);
    if (at_.isEmpty()) {
        clear();
    } else if (unused_ >= kCompactAt && unused_ > bytes_.size() / 2) {
        squeeze();
    }
}

void EntryStore::swap(int a, int b) {
    if (a >= 0 && a < size() && b >= 0 && b < size()) {
        at_.swapItemsAt(a, b);
    }
}

void EntryStore::reorder(const std::vector<int>& order) {
    if (order.size() != static_cast<std::size_t>(size())) {
        return;
    }
    QList<quint32> places;
    places.reserve(at_.size());
    for (int k : order) {
        places.append(at_.at(k));
    }
    at_ = std::move(places);
}

void EntryStore::clear() {
    bytes_ = QByteArray();
    at_ = QList<quint32>();
    unused_ = 0;
}

void EntryStore::squeeze() {
    if (unused_ > 0) {
        // Copies the live records in display order; the block then holds nothing else.
        EntryStore packed;
        packed.reserve(size(), bytes_.size() - unused_);
        for (int i = 0; i < size(); ++i) {
            const char* p = bytes_.constData() + at_.at(i);
            const Record r = recordAt(p);
            packed.at_.append(static_cast<quint32>(packed.bytes_.size()));
            packed.bytes_.append(p, (r.data - p) + r.size);
        }
        *this = std::move(packed);
    }
    bytes_.squeeze();
    at_.squeeze();
}

qint64 EntryStore::heldBytes() const {
    return bytes_.capacity() + at_.capacity() * qint64(sizeof(quint32));
}
