#include "model/malvora1.h"

#include "model/keptruns.h"
#include "model/observations.h"

namespace MALVORA1
{

Series Nt{}, dNdt{}, DeltaN{}, NtDifference{}, DeltaNDifference{};
std::int16_t Simut = 0;
double Rrate = 0;
std::int16_t i = 0, j = 0;
double xval = 0, yval = 0;
std::int16_t CurLabel = 0, PrevLabel = 0;
std::int16_t GraphNo = 0;

void clear()
{
    for (Series *s : {&Nt, &dNdt, &DeltaN, &NtDifference, &DeltaNDifference})
        s->fill(0);
    Simut = i = j = CurLabel = PrevLabel = GraphNo = 0;
    Rrate = xval = yval = 0;
    Kept.forget();
    Observed.forget();
}

} // namespace MALVORA1
