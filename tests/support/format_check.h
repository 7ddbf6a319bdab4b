// Whether a file the window saved validates against its published format
// (docs/formats), as tests/formats/validate.py says: empty when it does,
// otherwise the validator's words. Debian's interpreter carries the
// jsonschema module the validator needs.
#pragma once

#include <QString>

#include "support/tool_says.h"

namespace orvandel {

inline QString formatProblems(const QString& schema, const QString& path) {
  const QString said =
      toolSays(QStringLiteral("/usr/bin/python3"), {QStringLiteral(ORVANDEL_FORMAT_VALIDATOR), schema, path});
  return said == QStringLiteral("0 ") ? QString() : said;
}

}  // namespace orvandel
