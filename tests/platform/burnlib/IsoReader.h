#pragma once
// Reads a disc image back through libisofs, for the tests.

#include <stdint.h>
#include <libisofs/libisofs.h>

#include <string>
#include <vector>

// Reads an image back through libisofs.
class IsoReader {
 public:
  // With `joliet` the names are those of the Joliet tree.
  explicit IsoReader(const std::string& path, bool joliet = false) {
    iso_init();
    if (iso_data_source_new_from_file(path.c_str(), &source_) < 0) return;
    IsoReadOpts* opts = nullptr;
    iso_read_opts_new(&opts, 0);
    if (joliet) {
      iso_read_opts_set_no_rockridge(opts, 1);
      iso_read_opts_set_preferjoliet(opts, 1);
    }
    iso_image_new("read", &image_);
    ok_ = iso_image_import(image_, source_, opts, nullptr) >= 0;
    iso_read_opts_free(opts);
  }
  ~IsoReader() {
    if (image_) iso_image_unref(image_);
    if (source_) iso_data_source_unref(source_);
    iso_finish();
  }
  bool Ok() const { return ok_; }
  std::string VolumeId() const { return iso_image_get_volume_id(image_); }
  std::string Publisher() const { return iso_image_get_publisher_id(image_); }
  // The file's content, or "<missing>".
  std::string Content(const std::string& path) {
    IsoNode* node = nullptr;
    if (iso_tree_path_to_node(image_, path.c_str(), &node) != 1 || iso_node_get_type(node) != LIBISO_FILE)
      return "<missing>";
    IsoStream* stream = iso_file_get_stream(reinterpret_cast<IsoFile*>(node));
    std::string text(static_cast<size_t>(iso_stream_get_size(stream)), '\0');
    iso_stream_open(stream);
    iso_stream_read(stream, text.data(), text.size());
    iso_stream_close(stream);
    return text;
  }
  // The names in the root folder.
  std::vector<std::string> RootNames() {
    std::vector<std::string> names;
    IsoDirIter* children = nullptr;
    if (iso_dir_get_children(iso_image_get_root(image_), &children) < 0) return names;
    IsoNode* node = nullptr;
    while (iso_dir_iter_next(children, &node) == 1) names.push_back(iso_node_get_name(node));
    iso_dir_iter_free(children);
    return names;
  }

 private:
  IsoDataSource* source_ = nullptr;
  IsoImage* image_ = nullptr;
  bool ok_ = false;
};
