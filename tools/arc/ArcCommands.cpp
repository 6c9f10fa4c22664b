#include "ArcCommands.h"

#include "platform/Files.h"
#include "res/ArchiveWriter.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <set>
#include <vector>

namespace fs = std::filesystem;

namespace arc {

namespace {

struct FileToPack {
  std::string name;
  fs::path path;
};

void complain(const std::string& what) { std::cerr << "nupavane-arc: " << what << std::endl; }

bool isSameFile(const fs::path& a, const fs::path& b) {
  std::error_code error;
  return fs::equivalent(a, b, error);
}

// Every regular file below folder, sorted by entry name; the archive itself is left out
// when it lies inside the folder.
std::optional<std::vector<FileToPack>> filesToPack(const fs::path& folder, const std::string& prefix,
                                                   const fs::path& archive) {
  std::error_code error;
  if (!fs::is_directory(folder, error)) {
    complain("'" + folder.string() + "' is not a folder");
    return std::nullopt;
  }
  std::vector<FileToPack> files;
  fs::recursive_directory_iterator it(folder, error), end;
  for (; !error && it != end; it.increment(error)) {
    if (!it->is_regular_file(error) || isSameFile(it->path(), archive)) continue;
    files.push_back({entryName(it->path().lexically_relative(folder), prefix), it->path()});
  }
  if (error) {
    complain("cannot read the folder '" + folder.string() + "': " + error.message());
    return std::nullopt;
  }
  std::sort(files.begin(), files.end(), [](const FileToPack& a, const FileToPack& b) { return a.name < b.name; });
  return files;
}

bool addFile(ArchiveWriter& writer, const FileToPack& file) {
  if (file.name.size() > size_t(ArchiveWriter::kMaxNameLength)) {
    complain("the name '" + file.name + "' is longer than " + std::to_string(ArchiveWriter::kMaxNameLength) + " bytes");
    return false;
  }
  auto data = platform::readFile(file.path.string());
  if (!data) {
    complain("cannot read '" + file.path.string() + "'");
    return false;
  }
  if (!writer.add(file.name.c_str(), *data)) {
    complain("the archive is full at '" + file.name + "': at most " + std::to_string(ArchiveWriter::kMaxEntries) +
             " entries and 4 GiB");
    return false;
  }
  return true;
}

bool writeEntry(const fs::path& target, const std::vector<uint8_t>& data) {
  std::error_code error;
  fs::create_directories(target.parent_path(), error);
  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
  out.close();
  return !error && out.good();
}

}  // namespace

std::string entryName(const fs::path& relative, const std::string& prefix) {
  std::string name = relative.generic_string();
  std::replace(name.begin(), name.end(), '/', '\\');
  if (prefix.empty()) return name;
  return prefix.back() == '\\' ? prefix + name : prefix + '\\' + name;
}

std::optional<fs::path> extractPath(const std::string& name) {
  if (name.empty() || name.front() == '\\' || name.front() == '/') return std::nullopt;
  fs::path path;
  size_t start = 0;
  for (;;) {
    size_t end = name.find_first_of("\\/", start);
    std::string part = name.substr(start, end == std::string::npos ? std::string::npos : end - start);
    // An empty part would make a folder of the last one, or an absolute path of the first.
    if (part.empty() || part == "..") return std::nullopt;
    path /= part;
    if (end == std::string::npos) return path;
    start = end + 1;
  }
}

std::unique_ptr<ResourceArchive> openArchive(const fs::path& archive) {
  std::error_code error;
  fs::path whole = fs::absolute(archive, error);
  if (error || !fs::exists(whole, error)) {
    complain("there is no archive '" + archive.string() + "'");
    return nullptr;
  }
  // The reader finds archives beside the program.
  platform::setProgramPath((whole.parent_path() / "nupavane-arc").string());
  auto reader = std::make_unique<ResourceArchive>(whole.filename().string().c_str());
  if (!reader->isValid()) return nullptr;
  return reader;
}

int pack(const fs::path& archive, const fs::path& folder, const std::string& prefix) {
  auto files = filesToPack(folder, prefix, archive);
  if (!files) return kFailed;
  ArchiveWriter writer;
  for (const FileToPack& file : *files) {
    if (!addFile(writer, file)) return kFailed;
  }
  std::vector<uint8_t> bytes = writer.bytes();
  if (!platform::replaceFile(archive.string(), bytes.data(), bytes.size())) {
    complain("cannot write '" + archive.string() + "'");
    return kFailed;
  }
  return kOk;
}

int list(const fs::path& archive, std::ostream& out) {
  auto reader = openArchive(archive);
  if (!reader) return kFailed;
  for (int i = 0; i < reader->count(); ++i) {
    out << reader->nameOf(i).c_str() << '\t' << reader->offsetOf(i) << '\t' << reader->sizeOf(i) << '\n';
  }
  out.flush();
  return kOk;
}

int extract(const fs::path& archive, const fs::path& folder) {
  auto reader = openArchive(archive);
  if (!reader) return kFailed;
  int status = kOk;
  std::set<std::string> written;
  for (int i = 0; i < reader->count(); ++i) {
    std::string name = reader->nameOf(i).c_str();
    if (!written.insert(name).second) continue;
    auto relative = extractPath(name);
    if (!relative) {
      complain("refusing the entry '" + name + "': it would land outside '" + folder.string() + "'");
      status = kFailed;
      continue;
    }
    auto data = reader->read(i);
    if (!data) {
      complain("the entry '" + name + "' reaches past the end of the archive");
      status = kFailed;
    } else if (!writeEntry(folder / *relative, *data)) {
      complain("cannot write '" + (folder / *relative).string() + "'");
      status = kFailed;
    }
  }
  return status;
}

}  // namespace arc
