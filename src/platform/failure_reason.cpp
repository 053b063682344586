#include "platform/failure_reason.h"

#include <cerrno>

namespace peltarix {

std::string_view ReasonText(FailureReason reason) {
  switch (reason) {
    case FailureReason::kNotFound:
      return "ファイルが見つかりません";
    case FailureReason::kFolderNotFound:
      return "フォルダが見つかりません";
    case FailureReason::kNoPermission:
      return "アクセスが許可されていません";
    case FailureReason::kIsFolder:
      return "ファイルではなくフォルダです";
    case FailureReason::kNotRegularFile:
      return "通常のファイルではありません";
    case FailureReason::kTooLarge:
      return "ファイルが大きすぎます";
    case FailureReason::kDiskFull:
      return "ディスクの空き容量が不足しています";
    case FailureReason::kQuotaExceeded:
      return "ディスクの使用量の上限に達しました";
    case FailureReason::kFileSizeLimit:
      return "ファイルサイズの上限を超えました";
    case FailureReason::kNameTooLong:
      return "ファイル名が長すぎます";
    case FailureReason::kNotAFolderOnPath:
      return "パスの途中にフォルダでないものがあります";
    case FailureReason::kReadOnlyPlace:
      return "読み取り専用の場所です";
    case FailureReason::kTooManyOpenFiles:
      return "開いているファイルが多すぎます";
    case FailureReason::kBusy:
      return "ファイルが使用中です";
    case FailureReason::kLinkLoop:
      return "シンボリックリンクが循環しています";
    case FailureReason::kDeviceError:
      return "装置の読み書きでエラーが発生しました";
    case FailureReason::kInvalidName:
      return "ファイル名が正しくありません";
    case FailureReason::kOutOfMemory:
      return "メモリが不足しています";
    case FailureReason::kUnknown:
      break;
  }
  return "原因不明のエラーが発生しました";
}

FailureReason ReasonFromErrno(int error_number) {
  switch (error_number) {
    case ENOENT:
      return FailureReason::kNotFound;
    case EACCES:
    case EPERM:
      return FailureReason::kNoPermission;
    case EISDIR:
      return FailureReason::kIsFolder;
    case EFBIG:
      return FailureReason::kFileSizeLimit;
    case ENOSPC:
      return FailureReason::kDiskFull;
#ifdef EDQUOT
    case EDQUOT:
      return FailureReason::kQuotaExceeded;
#endif
    case ENAMETOOLONG:
      return FailureReason::kNameTooLong;
    case ENOTDIR:
      return FailureReason::kNotAFolderOnPath;
    case EROFS:
      return FailureReason::kReadOnlyPlace;
    case EMFILE:
    case ENFILE:
      return FailureReason::kTooManyOpenFiles;
    case EBUSY:
#ifdef ETXTBSY
    case ETXTBSY:
#endif
      return FailureReason::kBusy;
#ifdef ELOOP
    case ELOOP:
      return FailureReason::kLinkLoop;
#endif
    case EIO:
      return FailureReason::kDeviceError;
    case EINVAL:
    case EILSEQ:
      return FailureReason::kInvalidName;
    case ENOMEM:
      return FailureReason::kOutOfMemory;
    case ENXIO:
    case ENODEV:
      return FailureReason::kNotRegularFile;
    default:
      return FailureReason::kUnknown;
  }
}

}  // namespace peltarix
