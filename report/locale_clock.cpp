#include "report/locale_clock.h"

#include <langinfo.h>
#include <locale.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace tavro::report {
namespace {

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

}  // namespace

char UserDecimalSeparator() {
  const UserLocale numeric(LC_NUMERIC_MASK);
  const char* radix = numeric.Item(RADIXCHAR);
  return (radix != nullptr && std::strlen(radix) == 1) ? radix[0] : '.';
}

std::string UserTimeSeparator() {
  const UserLocale time(LC_TIME_MASK);
  const char* item = time.Item(T_FMT);
  if (item == nullptr) return ":";
  const std::string format = item;
  // "%H:%M:%S", "%H.%M", "%T", "%r", ...: the character after the hour.
  const std::size_t hour = format.find_first_of("HIkl", format.find('%'));
  if (hour == std::string::npos || hour + 1 >= format.size()) return ":";
  const char separator = format[hour + 1];
  if (separator == '%' || std::isalnum(static_cast<unsigned char>(separator))) return ":";
  return std::string(1, separator);
}

std::optional<ReportTime> ReportTimeNow() {
  std::tm parts{};
  if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
    char* end = nullptr;
    errno = 0;
    const long long seconds = std::strtoll(epoch, &end, 10);
    if (*epoch == '\0' || *end != '\0' || errno != 0 || seconds < 0) return std::nullopt;
    const std::time_t t = static_cast<std::time_t>(seconds);
    if (gmtime_r(&t, &parts) == nullptr) return std::nullopt;
  } else {
    const std::time_t t = std::time(nullptr);
    if (localtime_r(&t, &parts) == nullptr) return std::nullopt;
  }
  return ReportTime{parts.tm_mday, parts.tm_mon + 1, parts.tm_year + 1900, parts.tm_hour,
                    parts.tm_min};
}

}  // namespace tavro::report
