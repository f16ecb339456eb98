#include "boxfilter.h"

#include <cmath>

namespace tarvello {

double ClsBoxFilter::Filter(double dVal) const
{
    const double t = m_width != 0.0 ? 1.0 : 0.0;
    return std::fabs(dVal) <= t ? 1.0 : 0.0;
}

} // namespace tarvello
