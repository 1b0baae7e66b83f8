#include "chart/Chart_Model.h"

namespace halvorn {

std::uint32_t Chart_Series::Point_Colour(std::size_t index) const
{
    const std::uint32_t colour = points_.at(index).Colour;
    return colour == Series_Own_Colour ? Colour : colour;
}

}  // namespace halvorn
