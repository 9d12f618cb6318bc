#include <QCollator>
#include <QString>

#include "platform/collation.h"

namespace hd {

int LocaleCompare(const std::string& A, const std::string& B, bool CaseSensitive) {
  // A collator per thread and case mode: building one reads the locale's tables.
  thread_local QCollator withCase = [] {
    QCollator c;
    c.setCaseSensitivity(Qt::CaseSensitive);
    return c;
  }();
  thread_local QCollator noCase = [] {
    QCollator c;
    c.setCaseSensitivity(Qt::CaseInsensitive);
    return c;
  }();
  QCollator& c = CaseSensitive ? withCase : noCase;
  int r = c.compare(QString::fromUtf8(A.data(), static_cast<qsizetype>(A.size())),
                    QString::fromUtf8(B.data(), static_cast<qsizetype>(B.size())));
  return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

}  // namespace hd
