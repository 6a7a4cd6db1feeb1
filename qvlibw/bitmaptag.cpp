// TIFF tag values and tag lists.
#include "qvlibw/qvlibw.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <map>
#include <iterator>
#include <utility>

namespace {

// Bytes per item, 0 for an unknown type.
unsigned int ItemSize(QVBitmapTag::TAG_DATA_TYPE type) {
    switch (type) {
    case QVBitmapTag::TAG_TEXT:
        return 1;
    case QVBitmapTag::TAG_UINT16:
        return 2;
    case QVBitmapTag::TAG_DOUBLE:
        return 8;
    }
    return 0;
}

} // namespace

QVBitmapTag::QVBitmapTag() : m_type(static_cast<TAG_DATA_TYPE>(0)), m_count(0), m_pData(nullptr) {}

QVBitmapTag::QVBitmapTag(TAG_DATA_TYPE type, unsigned int count) : QVBitmapTag() {
    Assign(type, count, nullptr);
}

QVBitmapTag::QVBitmapTag(const QVBitmapTag& other) : QVBitmapTag() {
    Assign(other.m_type, other.m_count, other.m_pData);
}

QVBitmapTag& QVBitmapTag::operator=(const QVBitmapTag& other) {
    if (this != &other) Assign(other.m_type, other.m_count, other.m_pData);
    return *this;
}

QVBitmapTag::~QVBitmapTag() {
    Release();
}

void QVBitmapTag::Release() {
    std::free(m_pData);
    m_pData = nullptr;
    m_count = 0;
}

void QVBitmapTag::Assign(TAG_DATA_TYPE type, unsigned int count, const void* pData) {
    Release();
    m_type = type;
    const unsigned int size = ItemSize(type);
    if (count == 0 || size == 0 || count > UINT_MAX / size) return;
    m_pData = std::calloc(count, size);
    if (m_pData == nullptr) return;
    m_count = count;
    if (pData) std::memcpy(m_pData, pData, static_cast<std::size_t>(count) * size);
}

void* QVBitmapTag::GetDataPtr() const {
    return m_pData;
}

QVBitmapTag::TAG_DATA_TYPE QVBitmapTag::GetType() const {
    return m_type;
}

unsigned int QVBitmapTag::GetItemCount() const {
    return m_count;
}

unsigned int QVBitmapTag::GetSize() const {
    return m_count * ItemSize(m_type);
}

struct QVBitmapTagList::Impl {
    std::map<int, QVBitmapTag> tags;
};

QVBitmapTagList::QVBitmapTagList() : m_pImpl(nullptr) {}

QVBitmapTagList::~QVBitmapTagList() {
    delete m_pImpl;
}

int QVBitmapTagList::MergeTag(const QVBitmapTag& tag, int tagNumber) {
    if (tagNumber < 1 || tagNumber > 65535 || tag.GetDataPtr() == nullptr) return 0;
    QVBitmapTag copy(tag);
    if (copy.GetDataPtr() == nullptr) return 0;
    try {
        if (m_pImpl == nullptr) m_pImpl = new Impl;
        // The copy moves into its place; the tag it replaces leaves with it.
        QVBitmapTag& slot = m_pImpl->tags[tagNumber];
        std::swap(slot.m_type, copy.m_type);
        std::swap(slot.m_count, copy.m_count);
        std::swap(slot.m_pData, copy.m_pData);
    } catch (...) {
        return 0;
    }
    return 1;
}

void QVBitmapTagList::RemoveAll() {
    if (m_pImpl) m_pImpl->tags.clear();
}

int QVBitmapTagList::GetCount() const {
    return m_pImpl ? static_cast<int>(m_pImpl->tags.size()) : 0;
}

const QVBitmapTag* QVBitmapTagList::FindTag(int tagNumber) const {
    if (m_pImpl == nullptr) return nullptr;
    auto it = m_pImpl->tags.find(tagNumber);
    return it == m_pImpl->tags.end() ? nullptr : &it->second;
}

int QVBitmapTagList::GetTagNumber(int index) const {
    if (m_pImpl == nullptr || index < 0 || index >= GetCount()) return -1;
    auto it = m_pImpl->tags.begin();
    std::advance(it, index);
    return it->first;
}
