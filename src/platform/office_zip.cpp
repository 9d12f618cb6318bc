// Zip packages, read whole and written in memory, for the workbook and document files.
#include <zip.h>

#include <fstream>
#include <memory>

#include "platform/office.h"
#include "platform/office_p.h"

namespace hd::office {

namespace {

// A package whose entries say they unpack to more than this is refused rather than read into
// memory.
constexpr zip_uint64_t kMaxPackageSize = 1024u * 1024u * 1024u;

struct TZipCloser {
  void operator()(zip_t* z) const { zip_discard(z); }
};

}  // namespace

std::map<std::string, std::string> ReadZip(const std::string& FileName) {
  int error = 0;
  std::unique_ptr<zip_t, TZipCloser> z(zip_open(FileName.c_str(), ZIP_RDONLY, &error));
  if (!z) {
    zip_error_t e;
    zip_error_init_with_code(&e, error);
    std::string reason = zip_error_strerror(&e);
    zip_error_fini(&e);
    throw EOleError("Cannot open \"" + FileName + "\": " + reason);
  }
  std::map<std::string, std::string> entries;
  const zip_int64_t n = zip_get_num_entries(z.get(), 0);
  zip_uint64_t total = 0;
  for (zip_int64_t i = 0; i < n; ++i) {
    zip_stat_t st;
    if (zip_stat_index(z.get(), static_cast<zip_uint64_t>(i), 0, &st) != 0) continue;
    if (!(st.valid & ZIP_STAT_NAME) || !(st.valid & ZIP_STAT_SIZE)) continue;
    total += st.size;
    if (st.size > kMaxPackageSize || total > kMaxPackageSize)
      throw EOleError("Cannot open \"" + FileName + "\": it unpacks to more than 1 GB");
    zip_file_t* f = zip_fopen_index(z.get(), static_cast<zip_uint64_t>(i), 0);
    if (!f) throw EOleError("Cannot open \"" + FileName + "\": " + zip_strerror(z.get()));
    std::string bytes(static_cast<std::size_t>(st.size), '\0');
    const zip_int64_t got = bytes.empty() ? 0 : zip_fread(f, bytes.data(), st.size);
    zip_fclose(f);
    if (got < 0 || static_cast<zip_uint64_t>(got) != st.size)
      throw EOleError("Cannot open \"" + FileName + "\": entry " + st.name + " is damaged");
    entries.emplace(st.name, std::move(bytes));
  }
  return entries;
}

std::string WriteZip(const std::vector<std::pair<std::string, std::string>>& Entries) {
  zip_error_t err;
  zip_error_init(&err);
  zip_source_t* src = zip_source_buffer_create(nullptr, 0, 0, &err);
  if (!src) throw EOleError("Cannot make a zip package");
  zip_source_keep(src);
  zip_t* z = zip_open_from_source(src, ZIP_TRUNCATE, &err);
  if (!z) {
    zip_source_free(src);
    throw EOleError("Cannot make a zip package");
  }
  for (const auto& [name, bytes] : Entries) {
    // libzip copies nothing until it closes, so the buffers must outlive zip_close: they do.
    zip_source_t* s = zip_source_buffer(z, bytes.data(), bytes.size(), 0);
    if (!s || zip_file_add(z, name.c_str(), s, ZIP_FL_ENC_UTF_8) < 0) {
      if (s) zip_source_free(s);
      zip_discard(z);
      zip_source_free(src);
      throw EOleError("Cannot add " + name + " to a zip package");
    }
  }
  if (zip_close(z) != 0) {
    zip_discard(z);
    zip_source_free(src);
    throw EOleError("Cannot write a zip package");
  }
  std::string out;
  if (zip_source_open(src) == 0) {
    char buf[65536];
    zip_int64_t got;
    while ((got = zip_source_read(src, buf, sizeof buf)) > 0) out.append(buf, static_cast<std::size_t>(got));
    zip_source_close(src);
  }
  zip_source_free(src);
  if (out.empty()) throw EOleError("Cannot write a zip package");
  return out;
}

std::string FileHead(const std::string& FileName, std::size_t Count) {
  std::ifstream in(FileName, std::ios::binary);
  if (!in) throw EOleError("Cannot open \"" + FileName + "\"");
  std::string head(Count, '\0');
  in.read(head.data(), static_cast<std::streamsize>(Count));
  head.resize(static_cast<std::size_t>(in.gcount()));
  return head;
}

std::string LocalName(const TXmlNode& Node) {
  std::string n = Node.NodeName();
  const std::size_t colon = n.find(':');
  return colon == std::string::npos ? n : n.substr(colon + 1);
}

std::vector<TXmlNode> Children(const TXmlNode& Node, const std::string& Local) {
  std::vector<TXmlNode> out;
  if (!Node) return out;
  for (const TXmlNode& c : Node.ChildElements())
    if (LocalName(c) == Local) out.push_back(c);
  return out;
}

TXmlNode FirstChildNamed(const TXmlNode& Node, const std::string& Local) {
  if (!Node) return TXmlNode();
  for (const TXmlNode& c : Node.ChildElements())
    if (LocalName(c) == Local) return c;
  return TXmlNode();
}

std::string Attr(const TXmlNode& Node, const std::string& Local) {
  std::string found;
  Node.ForEachAttribute([&](std::string_view name, std::string_view value) {
    const std::size_t colon = name.find(':');
    if ((colon == std::string_view::npos ? name : name.substr(colon + 1)) == Local && found.empty())
      found = std::string(value);
  });
  return found;
}

std::string AllText(const TXmlNode& Node) {
  std::string out;
  for (const TXmlNode& c : Node.ChildNodes()) {
    if (c.NodeType() == ntText || c.NodeType() == ntCData)
      out += c.NodeValue();
    else if (c.NodeType() == ntElement && LocalName(c) != "rPh")  // phonetic hints are not the text
      out += AllText(c);
  }
  return out;
}

}  // namespace hd::office
