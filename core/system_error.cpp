#include "core/system_error.h"

#include <cerrno>

#include "core/platform_files.h"

namespace core {

Error write_failure(const std::string& path, const std::string& why) {
  return Error::error("無法寫入檔案 " + path + "：" + why);
}

std::string write_reason(int errnum, const std::string& path) {
  if (errnum == EIO) return "磁碟讀寫錯誤，磁碟可能損壞，請執行磁碟修復後再試";
  if (errnum != EACCES && errnum != EPERM) return system_error_text(errnum);
  if (platform::exists(path) && !platform::may_write(path)) return "檔案是唯讀的";
  const auto slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
  if (platform::folder_refusal(folder) != 0) return "資料夾 " + folder + " 不允許寫入（唯讀或沒有權限）";
  return system_error_text(errnum);
}

std::string system_error_text(int errnum) {
  if (errnum == platform::kQuotaExceeded) return "超過磁碟配額";
  switch (errnum) {
    case ENOENT: return "找不到檔案或資料夾";
    case EACCES:
    case EPERM: return "沒有存取權限";
    case ENOSPC: return "磁碟空間不足";
    case EFBIG: return "檔案超過系統允許的大小";
    case EROFS: return "檔案所在的磁碟是唯讀的";
    case EISDIR: return "這是一個資料夾，不是檔案";
    case ENOTDIR: return "路徑中有一部分不是資料夾";
    case ENAMETOOLONG: return "檔名太長";
    case ELOOP: return "捷徑（符號連結）層數太多";
    case EMFILE:
    case ENFILE: return "開啟的檔案太多";
    case EIO: return "磁碟讀寫錯誤";
    case EBUSY: return "檔案正在使用中";
    case ETXTBSY: return "檔案正在使用中";
    case EXDEV: return "無法跨磁碟搬移檔案";
    case ENOMEM: return "記憶體不足";
    default: return "系統錯誤（代碼 " + std::to_string(errnum) + "）";
  }
}

}  // namespace core
