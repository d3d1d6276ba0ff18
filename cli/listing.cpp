#include "listing.h"

#include "run.h"

namespace tavo::cli {

std::vector<CalculatorListing> Listing()
{
    std::vector<CalculatorListing> listing;
    for (const Calculator* calculator : AllCalculators()) {
        CalculatorListing& entry = listing.emplace_back();
        entry.name = calculator->name;
        entry.summary = calculator->summary;
        for (const Input& input : calculator->inputs) {
            InputListing& listed = entry.inputs.emplace_back();
            listed.name = input.name;
            listed.byDefault = input.defaultText();
            listed.choices = OptionNames(input.options);
            if (input.optionsFor) {
                for (const Trigger& trigger : input.resetBy) {
                    listed.follows.push_back(trigger.input);
                }
            }
        }
    }
    return listing;
}

}  // namespace tavo::cli
