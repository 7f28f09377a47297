// Records from the instrument's file store into fixed-wavelength documents, from buffers built here
// byte by byte: methods, tables, unit codes, judging, and the records that must be refused whole.

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "core/fixed/fixedrecordimport.h"
#include "core/fixed/storeddocument.h"

namespace spectavo::fixed {
namespace {

constexpr int kStepsPerNm = 10;

// Big-endian fields at fixed offsets, as the instrument stores them.
class Record {
public:
    Record(std::size_t size, std::uint8_t layout = 0xE1) : m_bytes(size, 0) { m_bytes[13] = layout; }
    Record &byte(std::size_t at, std::uint8_t value) {
        m_bytes.at(at) = value;
        return *this;
    }
    Record &i32(std::size_t at, std::uint32_t value) {
        for (std::size_t i = 0; i < 4; ++i)
            m_bytes.at(at + i) = static_cast<std::uint8_t>(value >> (24 - 8 * i));
        return *this;
    }
    Record &f32(std::size_t at, float value) {
        std::uint32_t bits;
        std::memcpy(&bits, &value, 4);
        return i32(at, bits);
    }
    Record &nm(std::size_t at, double value) {
        return i32(at, static_cast<std::uint32_t>(value * kStepsPerNm));
    }
    Record &text(std::size_t at, const char *value) {
        std::memcpy(m_bytes.data() + at, value, std::strlen(value));
        return *this;
    }
    std::vector<std::uint8_t> &bytes() { return m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
};

ImportOutcome importInto(StoredDocument &document, const std::string &name,
                         const std::vector<std::uint8_t> &bytes, std::size_t received = std::string::npos) {
    const std::span<const std::uint8_t> content(bytes.data(), std::min(received, bytes.size()));
    return importRecord(document.parts(), &document.validity(), {name, content, kStepsPerNm, false});
}

// Two standards and three samples at two wavelengths, second-order fit, mg/L, without "use standards".
Record quantitativeRecord() {
    Record r(99 + 28 * 5);
    r.byte(22, 2).nm(25, 450.0).nm(29, 550.5).text(38, "mg/L").byte(48, 1).byte(49, 1);
    r.f32(50, 0.5f).f32(54, 2.0f).f32(58, 0.25f).f32(62, 0.0f).f32(66, 0.998f);
    r.byte(97, 2).byte(98, 3);
    for (std::size_t row = 0; row < 5; ++row) {
        const float k = static_cast<float>(row + 1);
        r.f32(99 + 28 * row + 8, 10.0f * k).f32(99 + 28 * row + 12, 0.1f * k);
        r.f32(99 + 28 * row + 16, 0.11f * k).f32(99 + 28 * row + 20, 0.12f * k).f32(99 + 28 * row + 24, 9.0f);
    }
    return r;
}

TEST(RecordImportTest, AQuantitativeFileGivesMethodStandardsAndSamples) {
    StoredDocument document(MethodKind::FixedPoints);
    document.method().blanks[0] = 0.3f;
    document.samples().setModified(true);
    const ImportOutcome outcome = importInto(document, "CR6.qua", quantitativeRecord().bytes());
    ASSERT_TRUE(outcome.imported()) << outcome.refusal;
    const FixedMethodRecord &method = document.method();
    EXPECT_EQ(method.count, 2);
    EXPECT_FLOAT_EQ(method.wavelengths[1], 550.5f);
    EXPECT_EQ(method.unit, "mg/L");
    EXPECT_EQ(document.curve().unit, "mg/L");
    EXPECT_EQ(method.reference, 0) << "a non-zero flag means the standards are not used";
    EXPECT_EQ(method.methodIndex, 1);
    EXPECT_FLOAT_EQ(method.coefficients[2], 0.25f);
    EXPECT_FLOAT_EQ(method.correlation, 0.998f);
    EXPECT_EQ(method.concentration, 1);
    EXPECT_EQ(method.blanks[0], 0.0f) << "blanks never come with a method";

    const grid::GridModel &standards = document.standards().grid();
    EXPECT_EQ(document.standards().rowCount(), 2);
    EXPECT_EQ(standards.text(2, 0), "Standard-2");
    EXPECT_EQ(standards.text(2, 1), "0.2200");
    EXPECT_EQ(standards.text(2, 2), "0.2400");
    EXPECT_EQ(standards.text(2, 3), "0.2000") << "Abs(eff)";
    EXPECT_EQ(standards.text(2, 4), "20.0000") << "concentration";
    const grid::GridModel &samples = document.samples().grid();
    EXPECT_EQ(document.samples().rowCount(), 3);
    EXPECT_EQ(samples.text(1, 4), "30.0000") << "the samples follow the standards";
    EXPECT_EQ(samples.text(3, 1), "0.5500");
    EXPECT_EQ(samples.text(4, 1), "");
    EXPECT_FALSE(document.samples().modified());
}

TEST(RecordImportTest, AStandardCurveReadsLikeAQuantitativeFile) {
    StoredDocument document(MethodKind::FixedPoints);
    Record record = quantitativeRecord();
    record.byte(48, 0);
    ASSERT_TRUE(importInto(document, "CR6.std", record.bytes()).imported());
    EXPECT_EQ(document.method().reference, 1);
    EXPECT_EQ(document.standards().rowCount(), 2);
}

TEST(RecordImportTest, MultiWavelengthRowsSkipTheirStampAndEmptyTheStandards) {
    StoredDocument document(MethodKind::FixedPoints);
    importInto(document, "CR6.qua", quantitativeRecord().bytes());
    Record r(156 + 48 * 2);
    r.byte(24, 4).nm(25, 260).nm(29, 280).nm(33, 320).nm(37, 340);
    r.byte(155, 2);
    for (std::size_t row = 0; row < 2; ++row) {
        r.byte(156 + 48 * row, 0x55); // the reading's time stamp
        for (std::size_t i = 0; i < 4; ++i)
            r.f32(156 + 48 * row + 8 + 4 * i, static_cast<float>(row) + 0.1f * static_cast<float>(i));
    }
    ASSERT_TRUE(importInto(document, "MULTI01.mul", r.bytes()).imported());
    EXPECT_EQ(document.method().count, 4);
    EXPECT_EQ(document.method().unit, "mg/L") << "nothing else of the method changes";
    EXPECT_EQ(document.standards().rowCount(), 0);
    EXPECT_EQ(document.standards().grid().text(1, 1), "");
    const grid::GridModel &samples = document.samples().grid();
    EXPECT_EQ(samples.text(1, 1), "0.0000");
    EXPECT_EQ(samples.text(1, 4), "0.3000");
    EXPECT_EQ(samples.text(2, 1), "1.0000");
    EXPECT_EQ(samples.text(2, 0), "Sample-2");
}

Record nucleicRecord(std::uint8_t method, std::uint8_t count, std::size_t rows) {
    Record r(88 + 24 * rows);
    r.byte(16, method).byte(18, 1);
    for (std::size_t m = 0; m < 2; ++m)
        for (std::size_t i = 0; i < 4; ++i)
            r.f32(19 + 16 * m + 4 * i, static_cast<float>(10 * m + i + 1));
    r.byte(51, 10).text(52, "ng/uL").byte(62, count);
    r.nm(63 + 12 * method, 260).nm(67 + 12 * method, 280).nm(71 + 12 * method, 320);
    r.byte(87, static_cast<std::uint8_t>(rows));
    for (std::size_t row = 0; row < rows; ++row) {
        for (std::size_t i = 0; i < 3; ++i)
            r.f32(88 + 12 * row + 4 * i, 0.9f - 0.2f * static_cast<float>(i));
        r.f32(88 + 12 * rows + 12 * row, 45.0f).f32(92 + 12 * rows + 12 * row, 3.0f);
        r.f32(96 + 12 * rows + 12 * row, 1.85f);
    }
    return r;
}

TEST(RecordImportTest, ADnaFileWithTheSecondMethodAndTheReference) {
    StoredDocument document(MethodKind::DnaProtein);
    ASSERT_TRUE(importInto(document, "DNA01.dna", nucleicRecord(1, 3, 2).bytes()).imported());
    const FixedMethodRecord &method = document.method();
    EXPECT_EQ(method.methodIndex, 1);
    EXPECT_EQ(method.reference, 1);
    EXPECT_FLOAT_EQ(method.coefficients[0], 11.0f) << "the factors of method 1";
    EXPECT_EQ(method.unit, "ng/uL");
    EXPECT_EQ(method.count, 3);
    EXPECT_FLOAT_EQ(method.wavelengths[2], 320.0f);
    const grid::GridModel &samples = document.samples().grid();
    EXPECT_EQ(samples.text(1, 3), "0.5000");
    EXPECT_EQ(samples.text(2, 4), "45.0000");
    EXPECT_EQ(samples.text(2, 6), "1.8500");
    EXPECT_TRUE(document.samples().modified()) << "imported results are not saved yet";
}

TEST(RecordImportTest, UnitCodesAndTheirText) {
    StoredDocument document(MethodKind::DnaProtein);
    Record coded = nucleicRecord(0, 2, 1);
    coded.byte(51, 6);
    importInto(document, "a.dna", coded.bytes());
    EXPECT_EQ(document.method().unit, "ug/mL");
    coded.byte(51, 200);
    importInto(document, "a.dna", coded.bytes());
    EXPECT_EQ(document.method().unit, "") << "no unit rather than a read past the table";
    // A unit text without its NUL stops at its ten bytes.
    coded.byte(51, 10).text(52, "0123456789");
    coded.byte(62, 2);
    importInto(document, "a.dna", coded.bytes());
    EXPECT_EQ(document.method().unit, "0123456789");
}

Record validityRecord(bool photometric) {
    const std::size_t n = 2;
    Record r(photometric ? 107 + 8 * n : 103 + 8 * n);
    r.byte(17, n).nm(18, 486.0).nm(22, 656.1);
    if (photometric) {
        r.f32(99, 0.5f).f32(103, 1.0f);     // standards
        r.f32(107, 0.503f).f32(111, 1.02f); // detected
        r.f32(103 + 8 * n, 0.01f);          // tolerance
    } else {
        r.nm(99, 486.2).nm(103, 657.0);    // peaks found
        r.f32(107, 0.61f).f32(111, 0.42f); // their readings
        r.f32(99 + 8 * n, 0.3f);           // tolerance
    }
    return r;
}

TEST(RecordImportTest, APhotometricTestIsJudgedWithItsOwnTolerance) {
    StoredDocument document(MethodKind::Validity);
    document.method().coefficients[0] = 1.0f; // on screen before: everything would pass
    ASSERT_TRUE(importInto(document, "PHOTO01.phv", validityRecord(true).bytes()).imported());
    EXPECT_EQ(document.method().methodIndex, kPhotometricTest);
    EXPECT_FLOAT_EQ(document.method().coefficients[0], 0.01f);
    EXPECT_FLOAT_EQ(document.validity().standards[1], 1.0f);
    const grid::GridModel &table = document.samples().grid();
    EXPECT_EQ(table.text(1, 1), "0.5000") << "the imported standard";
    EXPECT_EQ(table.text(1, 2), "0.5030");
    EXPECT_EQ(table.text(1, 3), "0.0030");
    EXPECT_EQ(table.text(1, 4), "Pass");
    EXPECT_EQ(table.text(2, 3), "0.0200");
    EXPECT_EQ(table.text(2, 4), "Fail");
    EXPECT_FALSE(document.samples().modified());
}

TEST(RecordImportTest, AWavelengthTestGivesPeaksAndDifferences) {
    StoredDocument document(MethodKind::Validity);
    ASSERT_TRUE(importInto(document, "WAVE01.wlv", validityRecord(false).bytes()).imported());
    EXPECT_EQ(document.method().methodIndex, kWavelengthTest);
    const grid::GridModel &table = document.samples().grid();
    EXPECT_EQ(table.text(1, 1), "486.2nm");
    EXPECT_EQ(table.text(1, 2), "0.6100");
    EXPECT_EQ(table.text(1, 3), "0.2nm");
    EXPECT_EQ(table.text(2, 3), "0.9nm");
    EXPECT_EQ(table.text(1, 4), "Pass");
    EXPECT_EQ(table.text(2, 4), "Fail");
}

TEST(RecordImportTest, RecordsThatAreRefusedWholeLeaveTheDocumentAlone) {
    StoredDocument document(MethodKind::FixedPoints);
    ASSERT_TRUE(importInto(document, "CR6.qua", quantitativeRecord().bytes()).imported());
    const auto unchanged = [&document] {
        return document.method().count == 2 && document.standards().rowCount() == 2 &&
               document.samples().grid().text(1, 1) == "0.3300";
    };
    const std::vector<std::uint8_t> good = quantitativeRecord().bytes();
    // Truncated: the fixed fields, then the rows the header announces.
    for (std::size_t received : {std::size_t{0}, std::size_t{60}, std::size_t{98}, good.size() - 1}) {
        EXPECT_EQ(importInto(document, "CR6.qua", good, received).refusal,
                  "The file from the instrument is incomplete.")
            << received;
        EXPECT_TRUE(unchanged());
    }
    Record counts = quantitativeRecord();
    counts.byte(22, 255);
    EXPECT_FALSE(importInto(document, "CR6.qua", counts.bytes()).imported());
    counts.byte(22, 0);
    EXPECT_FALSE(importInto(document, "CR6.qua", counts.bytes()).imported());
    Record older = quantitativeRecord();
    older.byte(13, 0x00);
    EXPECT_EQ(importInto(document, "CR6.qua", older.bytes()).refusal, kImportUnreadable);
    EXPECT_EQ(importInto(document, "HO.sca", good).refusal, kImportTypeMismatch);
    EXPECT_EQ(importInto(document, "DNA01.dna", good).refusal, kImportTypeMismatch);
    EXPECT_TRUE(unchanged());
    const ImportOutcome refused =
        importRecord(document.parts(), nullptr, {"CR6.qua", good, kStepsPerNm, /*conversionRefused=*/true});
    EXPECT_EQ(refused.refusal, kImportUnreadable);

    StoredDocument nucleic(MethodKind::DnaProtein);
    EXPECT_FALSE(importInto(nucleic, "a.dna", nucleicRecord(2, 2, 1).bytes()).imported()) << "method 2";
    EXPECT_FALSE(importInto(nucleic, "a.dna", nucleicRecord(0, 4, 1).bytes()).imported())
        << "four wavelengths";
    StoredDocument validity(MethodKind::Validity);
    Record many = validityRecord(true);
    many.byte(17, 255);
    EXPECT_EQ(importInto(validity, "P.phv", many.bytes()).refusal,
              "The file from the instrument is incomplete.");
}

TEST(RecordImportTest, MoreThan200RowsImportTheFirst200) {
    StoredDocument document(MethodKind::DnaProtein);
    const ImportOutcome outcome = importInto(document, "a.dna", nucleicRecord(0, 2, 255).bytes());
    ASSERT_TRUE(outcome.imported());
    EXPECT_TRUE(outcome.rowsCut);
    EXPECT_EQ(document.samples().rowCount(), 200);
    EXPECT_EQ(document.samples().grid().text(200, 3), "45.0000") << "results of row 200 from their own block";
}

TEST(RecordImportTest, EachKindTakesItsOwnTypes) {
    EXPECT_TRUE(acceptsInstrumentType(MethodKind::FixedPoints, 0));
    EXPECT_TRUE(acceptsInstrumentType(MethodKind::FixedPoints, 4));
    EXPECT_TRUE(acceptsInstrumentType(MethodKind::FixedPoints, 7));
    EXPECT_FALSE(acceptsInstrumentType(MethodKind::FixedPoints, 3));
    EXPECT_TRUE(acceptsInstrumentType(MethodKind::DnaProtein, 3));
    EXPECT_FALSE(acceptsInstrumentType(MethodKind::DnaProtein, 0));
    EXPECT_TRUE(acceptsInstrumentType(MethodKind::Validity, 6));
    EXPECT_FALSE(acceptsInstrumentType(MethodKind::Validity, 1));
    EXPECT_EQ(presetInstrumentType(MethodKind::Validity), 5);
    const std::uint8_t buffer[17] = {'C', 'R', '6', '.', 'q', 'u', 'a', 0, 'x'};
    EXPECT_EQ(bufferFileName(buffer), "CR6.qua");
}

} // namespace
} // namespace spectavo::fixed
