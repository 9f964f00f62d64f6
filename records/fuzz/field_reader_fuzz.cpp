// Arbitrary bytes into the field reader and into the reader of every file: nothing may crash,
// read out of bounds or hang, and an error, once raised, stays.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "records/fields.hpp"
#include "records/files.hpp"

namespace {

using namespace quillon;

void readMixedFields(const std::string& text, std::uint8_t selector) {
    FieldReader in(text, "fuzz");
    // The selector picks the sequence of field types, so every type meets every kind of text.
    for (int i = 0; i < 64; ++i) {
        bool wasOk = in.ok();
        bool read = false;
        switch ((selector + i * 7) % 7) {
            case 0: {
                float f = 0;
                read = in.number(f);
                break;
            }
            case 1: {
                double d = 0;
                read = in.number(d);
                break;
            }
            case 2: {
                Currency c;
                read = in.currency(c);
                break;
            }
            case 3: {
                std::int16_t n = 0;
                read = in.integer(n);
                break;
            }
            case 4: {
                bool b = false;
                read = in.boolean(b);
                break;
            }
            case 5: {
                std::string s;
                read = in.string(s);
                break;
            }
            default: {
                Variant v;
                read = in.variant(v);
                if (read) {
                    // What was read can be written and read back as the same kind.
                    FieldWriter w;
                    w.variant(v).endLine();
                    FieldReader again(w.text(), "again");
                    Variant back;
                    if (!again.variant(back) || back.index() != v.index()) {
                        std::abort();
                    }
                }
                break;
            }
        }
        if (read != in.ok() || (!wasOk && read)) {
            std::abort();  // a failure is sticky and a read reports it
        }
        if (!in.ok()) {
            (void)in.status().error().describe();
            break;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::uint8_t selector = data[0];
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

    readMixedFields(text, selector);

    Profile p;
    StateSettings s;
    CitySettings c;
    NonCitySettings n;
    VacationRecord v;
    Register r;
    CompanyHeading h;
    SavedPeriod period;
    FederalTable t;
    auto run = [&](auto read) {
        FieldReader in(text, "fuzz");
        (void)read(in);
    };
    switch (selector % 12) {
        case 0:
            run([&](FieldReader& in) { return readUseFile(in, p, s); });
            break;
        case 1:
            run([&](FieldReader& in) { return readAndFile(in, p, s); });
            break;
        case 2:
            run([&](FieldReader& in) { return readCfeFile(in, p); });
            break;
        case 3:
            run([&](FieldReader& in) { return readOvertimeFile(in, p, 53); });
            break;
        case 4:
            run([&](FieldReader& in) { return readStateFile(in, s, p); });
            break;
        case 5:
            run([&](FieldReader& in) { return readCityFile(in, c); });
            break;
        case 6:
            run([&](FieldReader& in) { return readNonCityFile(in, n); });
            break;
        case 7:
            run([&](FieldReader& in) { return readVacationFile(in, v); });
            break;
        case 8:
            run([&](FieldReader& in) { return readRegisterFile(in, r, 53); });
            break;
        case 9:
            run([&](FieldReader& in) { return readHeadingFile(in, h); });
            break;
        case 10:
            run([&](FieldReader& in) { return readPeriodFile(in, period); });
            break;
        default:
            run([&](FieldReader& in) { return readFederalTable(in, t); });
            break;
    }
    // Whatever was read can be written: the writers never fail on values a reader produced.
    (void)useFileText(p, s);
    (void)overtimeFileText(p, 53);
    (void)stateFileText(s, p);
    (void)registerFileText(r, 53);
    (void)federalTableText(t);
    return 0;
}
