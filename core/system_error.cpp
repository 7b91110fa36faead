#include "core/system_error.h"

#include <cerrno>

namespace core {

Error write_failure(const std::string& path, const std::string& why) {
  return Error::error("無法寫入檔案 " + path + "：" + why);
}

std::string system_error_text(int errnum) {
  switch (errnum) {
    case ENOENT: return "找不到檔案或資料夾";
    case EACCES:
    case EPERM: return "沒有存取權限";
    case ENOSPC: return "磁碟空間不足";
    case EDQUOT: return "超過磁碟配額";
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
