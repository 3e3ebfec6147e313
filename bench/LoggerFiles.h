#pragma once
// DTS files like a logger's, written once per size into a folder that lasts for the
// benchmark run: readings every 10 minutes, in group runs of 2,000 records.

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>

#include "data/DtsFixtures.h"

namespace bench {

inline std::string loggerFile(std::int64_t records) {
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("log-%1.dts").arg(records));
    if (!QFile::exists(path)) {
        std::ofstream out(path.toStdString(), std::ios::binary);
        std::vector<unsigned char> bytes(data::DtsRecordSize);
        for (std::int64_t i = 0; i < records; ++i) {
            const double day = 46083.0 + static_cast<double>(i) / 144.0;
            const double daily = std::sin(6.283185307 * (day - std::floor(day)));
            const auto group = static_cast<std::uint8_t>(1 + i / 2000 % 4);
            data::encodeDtsRecord(fixtures::reading(21 + 3 * daily, 55 - 10 * daily, group,
                                                    std::floor(day), day - std::floor(day)),
                                  bytes.data());
            out.write(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<std::streamsize>(bytes.size()));
        }
    }
    return path.toStdString();
}

}  // namespace bench
