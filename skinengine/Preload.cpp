#include "Preload.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "format/SkinDecoder.h"

namespace qv::skin {
namespace {

struct PendingPreload {
  std::vector<std::uint8_t> file;
  std::thread worker;
  Theme theme;
  SkinStatus status = kSkinOk;
};

class PreloadSlot {
 public:
  ~PreloadSlot() { Drop(); }

  bool Start(std::span<const std::uint8_t> file) {
    std::lock_guard lock(mutex_);
    DropLocked();
    auto pending = std::make_unique<PendingPreload>();
    pending->file.assign(file.begin(), file.end());
    PendingPreload* p = pending.get();
    pending->worker = std::thread([p] {
      try {
        p->status = DecodeSkin(p->file, p->theme);
      } catch (const std::bad_alloc&) {
        p->status = kSkinOutOfMemory;
      } catch (...) {
        p->status = kSkinBadContent;
      }
    });
    pending_ = std::move(pending);
    return true;
  }

  std::optional<SkinStatus> Take(std::span<const std::uint8_t> file, Theme& theme) {
    std::lock_guard lock(mutex_);
    if (!pending_) return std::nullopt;
    std::unique_ptr<PendingPreload> pending = std::move(pending_);
    pending->worker.join();
    if (!std::equal(file.begin(), file.end(), pending->file.begin(), pending->file.end())) {
      return std::nullopt;
    }
    theme = std::move(pending->theme);
    return pending->status;
  }

 private:
  void Drop() {
    std::lock_guard lock(mutex_);
    DropLocked();
  }
  void DropLocked() {
    if (pending_ && pending_->worker.joinable()) pending_->worker.join();
    pending_.reset();
  }

  std::mutex mutex_;
  std::unique_ptr<PendingPreload> pending_;
};

PreloadSlot& Slot() {
  static PreloadSlot slot;
  return slot;
}

}  // namespace

bool StartPreload(std::span<const std::uint8_t> file) {
  try {
    return Slot().Start(file);
  } catch (const std::bad_alloc&) {
    return false;
  } catch (const std::system_error&) {
    return false;
  }
}

std::optional<SkinStatus> TakePreload(std::span<const std::uint8_t> file, Theme& theme) {
  return Slot().Take(file, theme);
}

}  // namespace qv::skin
