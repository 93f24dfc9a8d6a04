#include "report/locale_clock.h"

#ifdef _WIN32
#include "files/windows_api.h"
#else
#include <langinfo.h>
#include <locale.h>
#endif

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace tavro::report {
namespace {

ReportTime FromParts(const std::tm& parts) {
  return ReportTime{parts.tm_mday, parts.tm_mon + 1, parts.tm_year + 1900, parts.tm_hour,
                    parts.tm_min};
}

#ifdef _WIN32

// One of the user's locale settings (LOCALE_SDECIMAL, LOCALE_STIMEFORMAT) in
// UTF-8; empty when Windows gives none.
std::string UserLocaleText(LCTYPE type) {
  wchar_t text[128];
  const int n = ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, text, 128);
  if (n <= 1) return std::string();
  return files::Utf8Text(std::wstring_view(text, static_cast<std::size_t>(n - 1)));
}

std::optional<ReportTime> UtcTime(std::time_t t) {
  std::tm parts{};
  if (gmtime_s(&parts, &t) != 0) return std::nullopt;
  return FromParts(parts);
}

std::optional<ReportTime> LocalTimeNow() {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  return ReportTime{now.wDay, now.wMonth, now.wYear, now.wHour, now.wMinute};
}

#else  // POSIX

// The user's locale for one category, as the environment (LC_ALL, LC_*,
// LANG) names it; freed on leaving.
class UserLocale {
 public:
  explicit UserLocale(int mask) : locale_(newlocale(mask, "", static_cast<locale_t>(nullptr))) {}
  ~UserLocale() {
    if (locale_ != static_cast<locale_t>(nullptr)) freelocale(locale_);
  }
  UserLocale(const UserLocale&) = delete;
  UserLocale& operator=(const UserLocale&) = delete;

  // The item's text while this object lives, or nothing when the locale is
  // unknown.
  const char* Item(nl_item item) const {
    return locale_ == static_cast<locale_t>(nullptr) ? nullptr : nl_langinfo_l(item, locale_);
  }

 private:
  locale_t locale_;
};

std::optional<ReportTime> UtcTime(std::time_t t) {
  std::tm parts{};
  if (gmtime_r(&t, &parts) == nullptr) return std::nullopt;
  return FromParts(parts);
}

std::optional<ReportTime> LocalTimeNow() {
  const std::time_t t = std::time(nullptr);
  std::tm parts{};
  if (localtime_r(&t, &parts) == nullptr) return std::nullopt;
  return FromParts(parts);
}

#endif  // POSIX

}  // namespace

char DecimalSeparatorOf(std::string_view radix) {
  const bool ascii = radix.size() == 1 && static_cast<unsigned char>(radix[0]) < 0x80;
  return ascii ? radix[0] : '.';
}

std::string TimeSeparatorOf(std::string_view format) {
  // The hour: "%H", "%I", "%k" or "%l", or a run of "H" or "h".
  std::size_t i = 0;
  for (; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size() &&
        std::string_view("HIkl").find(format[i + 1]) != std::string_view::npos) {
      i += 2;
      break;
    }
    if (format[i] == 'H' || format[i] == 'h') {
      while (i < format.size() && (format[i] == 'H' || format[i] == 'h')) ++i;
      break;
    }
  }
  if (i >= format.size()) return ":";
  const char separator = format[i];
  if (separator == '%' || separator == '\'' ||
      std::isalnum(static_cast<unsigned char>(separator)) != 0) {
    return ":";
  }
  return std::string(1, separator);
}

#ifdef _WIN32

char UserDecimalSeparator() {
  return DecimalSeparatorOf(UserLocaleText(LOCALE_SDECIMAL));
}

std::string UserTimeSeparator() {
  return TimeSeparatorOf(UserLocaleText(LOCALE_STIMEFORMAT));
}

#else  // POSIX

char UserDecimalSeparator() {
  const UserLocale numeric(LC_NUMERIC_MASK);
  const char* radix = numeric.Item(RADIXCHAR);
  return DecimalSeparatorOf(radix == nullptr ? "." : radix);
}

std::string UserTimeSeparator() {
  const UserLocale time(LC_TIME_MASK);
  const char* format = time.Item(T_FMT);
  return TimeSeparatorOf(format == nullptr ? "" : format);
}

#endif  // POSIX

std::optional<ReportTime> ReportTimeNow() {
  if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
    char* end = nullptr;
    errno = 0;
    const long long seconds = std::strtoll(epoch, &end, 10);
    if (*epoch == '\0' || *end != '\0' || errno != 0 || seconds < 0) return std::nullopt;
    return UtcTime(static_cast<std::time_t>(seconds));
  }
  return LocalTimeNow();
}

}  // namespace tavro::report
