#include "locale_fixtures.h"

#include "model/windows1251.h"

#include <QFile>

namespace skarvion::test {

std::string cp1251(std::string_view utf8) {
    const auto bytes = Utf8ToWindows1251(std::string(utf8));
    EXPECT_TRUE(bytes.has_value()) << utf8;
    return bytes.value_or(std::string());
}

QString LocaleFolder::writeFile(const QString& name, std::string_view bytes) const {
    const QString filePath = path(name);
    QFile file(filePath);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << filePath.toStdString();
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return filePath;
}

QString LocaleFolder::writeLanguageFile(const QString& name, std::string_view displayName,
                                        std::string_view moreLines) const {
    return writeFile(name, "[Main]\r\nName=" + cp1251(displayName) + "\r\n" + cp1251(moreLines));
}

} // namespace skarvion::test
