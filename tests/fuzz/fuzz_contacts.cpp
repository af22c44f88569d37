// libFuzzer target: any bytes as a vCard and as a CSV, previewed against a
// small list and imported. Besides the sanitizers it checks that whatever a
// file brought in, the list's own vCard and CSV export come back "Same".
#include "people/BirthdayCalendar.h"
#include "people/ContactsCsvReader.h"
#include "people/ContactsFile.h"
#include "people/FriendsExport.h"
#include "people/ImportPreview.h"
#include "people/VCardReader.h"

#include <algorithm>
#include <cstdlib>

using namespace people;

namespace {

bool AllSame(const FriendList& list, const QByteArray& bytes, const QString& file) {
    const auto preview =
        PreviewImport(list, ReadContacts(bytes, file, DateOrder::YearMonthDay).contacts);
    return std::ssize(preview) == list.FriendCount &&
           std::all_of(preview.begin(), preview.end(),
                       [](const ImportEntry& e) { return e.verdict == Verdict::Same; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 1 << 16) return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    FriendList list;
    list.Load({"7", "January", "1960"},
              {{"Ani", {"1", "May", "1990"}}, {"Budi", {"2", "June", "1980"}}});
    for (const ContactsRead& read :
         {ReadVCards(bytes), ReadContactsCsv(bytes, DateOrder::DayMonthYear),
          ReadContactsCsv(bytes, DateOrder::MonthDayYear)}) {
        const FriendList after = ApplyImport(list, PreviewImport(list, read.contacts));
        if (!AllSame(after, FriendsVCard(after), "x.vcf") ||
            !AllSame(after, FriendsCsv(after), "x.csv"))
            std::abort();
    }
    return 0;
}
