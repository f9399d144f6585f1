#pragma once

#include "flowchart/Elements.h"
#include "flowchart/Geometry.h"
#include "recognizer/Files.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class COrganigramme;

// Why a flowchart file is refused, in French, as the end of a sentence.
class OrgFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The object archive of flowchart files: little-endian integers, class records
// with schema 1, one index counter shared by classes and objects, strings in
// Windows-1252 (UTF-8 in memory). The same Serialize code stores and loads, so
// both always follow one field order.
class COrgArchive {
public:
    // Storing into memory.
    COrgArchive() = default;
    // Loading from `bytes`, which must outlive the archive. Every read is
    // checked: past the end, or out of bounds, it throws OrgFormatError.
    explicit COrgArchive(std::string_view bytes) : m_loading(true), m_in(bytes) {}

    bool isLoading() const { return m_loading; }

    template <typename... T> void fields(T&... values) { (field(values), ...); }
    // Loaded values beyond kMaxCoordinate are refused.
    void field(int& value);
    void field(std::uint32_t& value);
    void field(std::uint16_t& value);
    void field(CPoint& point);
    void field(CRect& rect);
    void field(std::string& text);

    // Element counts of lists: a loaded count is refused when the bytes left
    // cannot hold that many objects, or beyond a million.
    void writeCount(std::size_t count);
    std::size_t readCount();

    void writeObject(CElement& element);
    std::unique_ptr<CElement> readObject();

    [[noreturn]] void fail(const std::string& reason) const;
    // Refuses bytes left over after what was loaded.
    void expectEnd() const;

    const std::string& stored() const { return m_out; }

private:
    void put16(std::uint16_t value);
    void put32(std::uint32_t value);
    std::uint16_t get16();
    std::uint32_t get32();
    std::string_view take(std::size_t count);
    ElementFactory loadedClass(std::uint32_t index) const;

    bool m_loading = false;
    std::string m_out;
    std::string_view m_in;
    std::size_t m_pos = 0;
    std::uint32_t m_nextIndex = 1;
    // Classes already written, with their index.
    std::vector<std::pair<std::string_view, std::uint32_t>> m_storedClasses;
    // Classes already read, by increasing index.
    std::vector<std::pair<std::uint32_t, ElementFactory>> m_loadedClasses;
};

std::string storeOrganigramme(COrganigramme& organigramme);

struct OrgLoadResult {
    std::unique_ptr<COrganigramme> organigramme; // null when refused
    std::string error;                           // French, names the file
};

// Loads into a new flowchart, so that whatever is open stays as it was when the
// file is refused. `fileName` is only used in the message.
OrgLoadResult loadOrganigramme(std::string_view bytes, const std::string& fileName);

// Atomic: a failed save leaves the previous file whole.
FileResult saveOrganigrammeFile(const std::string& path, COrganigramme& organigramme);
OrgLoadResult openOrganigrammeFile(const std::string& path);
