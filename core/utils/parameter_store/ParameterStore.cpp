#include "core/utils/parameter_store/ParameterStore.h"

namespace core {
namespace utils {
namespace parameter_store {

ParameterStore& ParameterStore::global() {
    static ParameterStore store;
    return store;
}

} // namespace parameter_store
} // namespace utils
} // namespace core
