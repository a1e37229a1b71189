#include "platform/burnlib/DataImage.h"

#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <libisofs/libisofs.h>

#include "platform/burnlib/ElTorito.h"
#include "platform/burnlib/JolietNames.h"

namespace burnlib {

namespace {

std::string IsoError(int code) {
  const char* text = iso_error_to_msg(code);
  return text ? text : "image error";
}

// Folder names of a destination such as "\music\live\".
std::vector<std::string> SplitFolders(const std::string& destination) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : destination) {
    if (c == '\\' || c == '/') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

std::string BaseName(const std::string& path) {
  size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A field of a fixed-size record, up to its first zero byte.
template <size_t N>
std::string Field(const char (&field)[N]) {
  return std::string(field, strnlen(field, N));
}

}  // namespace

struct DataImage::Impl {
  IsoImage* image = nullptr;
  IsoNode* bootNode = nullptr;  // the boot image file, when bootable
};

namespace {

// Collects the visible files below `dir`, whose disc path is `path`.
void CollectFiles(IsoDir* dir, const std::string& path, std::vector<DiscFile>& files) {
  IsoDirIter* children = nullptr;
  if (iso_dir_get_children(dir, &children) < 0) return;
  IsoNode* node = nullptr;
  while (iso_dir_iter_next(children, &node) == 1) {
    if (iso_node_get_hidden(node) & LIBISO_HIDE_ON_RR) continue;
    const std::string nodePath = path + "/" + iso_node_get_name(node);
    if (iso_node_get_type(node) == LIBISO_DIR) {
      CollectFiles(reinterpret_cast<IsoDir*>(node), nodePath, files);
    } else if (iso_node_get_type(node) == LIBISO_FILE) {
      char* source = iso_stream_get_source_path(iso_file_get_stream(reinterpret_cast<IsoFile*>(node)), 0);
      files.push_back({nodePath, source ? source : ""});
      std::free(source);
    }
  }
  iso_dir_iter_free(children);
}

}  // namespace

DataImage::DataImage() : impl_(new Impl) { iso_image_new("CDROM", &impl_->image); }

DataImage::~DataImage() {
  if (impl_->image) iso_image_unref(impl_->image);
  delete impl_;
}

bool DataImage::AddFile(const std::string& source, const std::string& destination, std::string& error,
                        std::string& discPath) {
  struct stat info;
  if (!impl_->image) {
    error = "out of memory";
    return false;
  }
  if (stat(source.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
    error = "not a readable file: " + source;
    return false;
  }
  // The image reads the file only when it is written, and only by a full
  // path: a relative one is taken from the current folder now.
  std::error_code failed;
  const std::string fullPath = std::filesystem::absolute(source, failed).string();
  if (failed) {
    error = "not a readable file: " + source;
    return false;
  }
  IsoDir* dir = iso_image_get_root(impl_->image);
  discPath = "/";
  for (const std::string& name : SplitFolders(destination)) {
    IsoNode* node = nullptr;
    if (iso_dir_get_node(dir, name.c_str(), &node) == 1) {
      if (iso_node_get_type(node) != LIBISO_DIR) {
        error = "a file of the folder's name is on the disc: " + name;
        return false;
      }
      dir = reinterpret_cast<IsoDir*>(node);
    } else {
      IsoDir* created = nullptr;
      int rc = iso_image_add_new_dir(impl_->image, dir, name.c_str(), &created);
      if (rc < 0) {
        error = IsoError(rc);
        return false;
      }
      dir = created;
    }
    discPath += name + "/";
  }
  const std::string name = BaseName(source);
  IsoNode* node = nullptr;
  int rc = iso_tree_add_new_node(impl_->image, dir, name.c_str(), fullPath.c_str(), &node);
  if (rc < 0) {
    error = rc == static_cast<int>(ISO_NODE_NAME_NOT_UNIQUE) ? "a file of this name is already on the disc: " + name : IsoError(rc);
    return false;
  }
  discPath += name;
  ++files_;
  return true;
}

std::vector<DiscFile> DataImage::Files() const {
  std::vector<DiscFile> files;
  if (impl_->image) CollectFiles(iso_image_get_root(impl_->image), "", files);
  return files;
}

std::int32_t DataImage::SetBoot(const foxabi::OptionsRecord& options, const foxabi::BootInfoRecord& info,
                                std::string& error) {
  if (!impl_->image) return foxabi::kErrInvalidArgument;
  DetachBootImage(impl_->image, impl_->bootNode);
  if (!options.bootable) return foxabi::kOk;
  return AttachBootImage(impl_->image, Field(options.bootImage), info, impl_->bootNode, error);
}

burn::burn_source* DataImage::CreateSource(const foxabi::OptionsRecord& options, const foxabi::IsoInfoRecord& info,
                                     std::uint32_t startSector, std::string& error) {
  IsoImage* image = impl_->image;
  std::string label = Field(options.volumeLabel);
  if (label.empty()) label = "CDROM";
  iso_image_set_volume_id(image, label.c_str());
  iso_image_set_abstract_file_id(image, Field(info.abstractFile).c_str());
  iso_image_set_application_id(image, Field(info.application).c_str());
  iso_image_set_biblio_file_id(image, Field(info.biblio).c_str());
  iso_image_set_copyright_file_id(image, Field(info.copyrightFile).c_str());
  iso_image_set_data_preparer_id(image, Field(info.dataPreparer).c_str());
  iso_image_set_publisher_id(image, Field(info.publisher).c_str());
  iso_image_set_volset_id(image, Field(info.volumeSet).c_str());
  iso_image_set_system_id(image, Field(info.system).c_str());

  if (options.joliet && !FitNamesToJoliet(image, error)) return nullptr;

  IsoWriteOpts* opts = nullptr;
  int rc = iso_write_opts_new(&opts, 2);
  if (rc < 0) {
    error = IsoError(rc);
    return nullptr;
  }
  iso_write_opts_set_joliet(opts, options.joliet ? 1 : 0);
  if (startSector > 0) {
    iso_write_opts_set_appendable(opts, 1);
    iso_write_opts_set_ms_block(opts, startSector);
  }
  ::burn_source* source = nullptr;
  rc = iso_image_create_burn_source(image, opts, &source);
  iso_write_opts_free(opts);
  if (rc < 0) {
    error = IsoError(rc);
    return nullptr;
  }
  // libisofs and libburn declare the same stream structure apart.
  return reinterpret_cast<burn::burn_source*>(source);
}

bool StartIsoLibrary() {
  if (iso_init() < 0) return false;
  iso_set_msgs_severities(const_cast<char*>("NEVER"), const_cast<char*>("NEVER"), const_cast<char*>("burner"));
  return true;
}

void EndIsoLibrary() { iso_finish(); }

}  // namespace burnlib
