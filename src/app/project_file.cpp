#include "app/project_file.h"

#include "app/atomic_save.h"
#include "app/image_digest.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <functional>
#include <optional>

namespace skarvion {

namespace {

constexpr int SignatureLength = 7;
constexpr int SmallestProjectFile = 400;
constexpr int MaxStringLength = 0xFFFF;
// The reader takes the strings only from positions below the file size
// modulo 65536, so a larger file would open with its strings lost.
constexpr qsizetype LargestProjectFile = 0xFFFF;

const std::string NotFound = "MESSAGE_NOT_FIND_F";
const std::string FalseFormat = "MESSAGE_FALSE_FORMAT_F";
const std::string FileStructure = "MESSAGE_ERR_FILE_STRC";

// The print-information strings in file order.
std::array<Text*, 5> printStrings(PrintInformation& info) {
    return {&info.SerialNumber, &info.SimPhoneNumber, &info.SimRegNumber, &info.FirmwareVersion,
            &info.ReportComment};
}

void appendU16(QByteArray& out, std::uint16_t value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>(value >> 8));
}

void appendU32(QByteArray& out, std::uint32_t value) {
    for (int k = 0; k < 4; ++k) out.append(static_cast<char>((value >> (8 * k)) & 0xFF));
}

// Little-endian reads that refuse to go past the end.
class Reader {
public:
    explicit Reader(const QByteArray& bytes) : bytes_(bytes) {}

    qsizetype position() const { return pos_; }

    std::optional<std::uint32_t> number(int size) {
        if (remaining() < size) return std::nullopt;
        std::uint32_t value = 0;
        for (int k = 0; k < size; ++k)
            value |= std::uint32_t(static_cast<std::uint8_t>(bytes_[pos_ + k])) << (8 * k);
        pos_ += size;
        return value;
    }

    std::optional<QByteArray> take(qsizetype count) {
        if (remaining() < count) return std::nullopt;
        QByteArray out = bytes_.mid(pos_, count);
        pos_ += count;
        return out;
    }

private:
    qsizetype remaining() const { return bytes_.size() - pos_; }

    const QByteArray& bytes_;
    qsizetype pos_ = 0;
};

ProjectFileResult failure(const std::string& key, const QString& argument = {}) {
    return ProjectFileResult{key, argument, {}};
}

bool signatureMatches(const QByteArray& signature) {
    return signature.toUpper() == QByteArray(ProjectSignature);
}

// Reads the five trailing strings. Only positions before the file size taken
// modulo 65536, less one, start a string, as files have always been read.
std::optional<std::array<Text, 5>> readPrintStrings(Reader& reader, qsizetype fileSize) {
    std::array<Text, 5> strings;
    const qsizetype limit = fileSize % 65536 - 1;
    for (Text& s : strings) {
        if (reader.position() >= limit) break;
        const auto length = reader.number(2);
        if (!length) return std::nullopt;
        const auto bytes = reader.take(*length);
        if (!bytes) return std::nullopt;
        s = bytes->toStdString();
    }
    return strings;
}

} // namespace

QByteArray ProjectFileBytes(const ConfigurationModel& model) {
    QByteArray out;
    appendU16(out, SignatureLength);
    out.append(ProjectSignature, SignatureLength);
    const DeviceImage image = EncodeImage(model);
    appendU16(out, DeviceImageSize);
    out.append(reinterpret_cast<const char*>(image.data()), DeviceImageSize);
    for (std::uint32_t word : ImageDigest(image)) appendU32(out, word);
    PrintInformation info = model.PrintInfo;
    for (const Text* s : printStrings(info)) {
        const auto length = static_cast<std::uint16_t>(std::min<std::size_t>(s->size(), MaxStringLength));
        appendU16(out, length);
        out.append(s->data(), length);
    }
    return out;
}

ProjectFileResult WriteProjectFile(const QString& path, const ConfigurationModel& model) {
    const QByteArray bytes = ProjectFileBytes(model);
    if (bytes.size() > LargestProjectFile) {
        return ProjectFileResult{
            {}, path,
            QStringLiteral("the print information is %1 characters too long to be kept in a "
                           "project file")
                .arg(bytes.size() - LargestProjectFile)};
    }
    if (const auto why = SaveAtomically(path, bytes)) return ProjectFileResult{{}, path, *why};
    return ProjectFileResult::success();
}

ProjectFileResult ReadProjectFile(const QString& path, ConfigurationModel& model) {
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile()) return failure(NotFound, path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return ProjectFileResult{{}, path, file.errorString()};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return ProjectFileResult{{}, path, file.errorString()};
    return ParseProjectFile(bytes, model);
}

ProjectFileResult ParseProjectFile(const QByteArray& bytes, ConfigurationModel& model) {
    if (bytes.size() < SmallestProjectFile) return failure(FalseFormat);
    Reader reader(bytes);
    if (reader.number(2) != std::uint32_t{SignatureLength}) return failure(FalseFormat);
    const auto signature = reader.take(SignatureLength);
    if (!signature || !signatureMatches(*signature)) return failure(FalseFormat);

    // An image of another length, or a file ending inside image or digest, is
    // rejected rather than read past its end.
    if (reader.number(2) != std::uint32_t{DeviceImageSize}) return failure(FileStructure);
    const auto imageBytes = reader.take(DeviceImageSize);
    if (!imageBytes) return failure(FileStructure);
    DeviceImage image{};
    std::copy(imageBytes->begin(), imageBytes->end(), reinterpret_cast<char*>(image.data()));
    const Digest expected = ImageDigest(image);
    for (std::uint32_t word : expected) {
        if (reader.number(4) != word) return failure(FileStructure);
    }

    const auto strings = readPrintStrings(reader, bytes.size());
    if (!strings) return failure(FileStructure);

    ConfigurationModel next = model;
    DecodeImage(image, next);
    auto targets = printStrings(next.PrintInfo);
    for (std::size_t k = 0; k < targets.size(); ++k) *targets[k] = (*strings)[k];
    model = std::move(next);
    return ProjectFileResult::success();
}

} // namespace skarvion
