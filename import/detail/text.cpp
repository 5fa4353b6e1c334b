#include "import/detail/text.h"

#include <cctype>

namespace mst {

std::string WeightChoices(const std::vector<std::string>& names, bool quoted) {
  std::string advice;
  for (std::size_t k = 0; k < names.size(); ++k) {
    advice += (k == 0 ? "--weight " : " or --weight ") + (quoted ? "'" + names[k] + "'" : names[k]);
  }
  return advice + (names.size() == 1 ? " takes the measures from it" : " takes the measures from one of them");
}

std::string Listed(const std::vector<std::string>& names) {
  std::string listed;
  for (std::size_t k = 0; k < names.size(); ++k) {
    listed += (k == 0 ? "'" : k + 1 == names.size() ? " and '" : ", '") + names[k] + "'";
  }
  return listed;
}

namespace {

const char* const kRoleNames[3][10] = {
    {"source", "from", "src", "node1", "source_id", "from_node", "start", nullptr},
    {"target", "to", "dst", "node2", "target_id", "to_node", "end", nullptr},
    {"weight", "cost", "length", "distance", "measure", "value", "len", "dist", nullptr}};

}  // namespace

Role RoleOfName(std::string_view name) {
  const std::string lower = Lower(Trim(name));
  for (int role = 0; role < 3; ++role) {
    for (const char* const* known = kRoleNames[role]; *known != nullptr; ++known) {
      if (lower == *known) return static_cast<Role>(role);
    }
  }
  return Role::kNone;
}

const char* RoleExamples(Role role) {
  switch (role) {
    case Role::kSource:
      return "source, from, src...";
    case Role::kTarget:
      return "target, to, dst...";
    case Role::kWeight:
      return "weight, cost, length, distance...";
    case Role::kNone:
      break;
  }
  return "";
}

bool NamesColumns(const std::vector<std::string_view>& fields) {
  bool source = false;
  bool target = false;
  for (const std::string_view field : fields) {
    const Role role = RoleOfName(field);
    source = source || role == Role::kSource;
    target = target || role == Role::kTarget;
  }
  return source && target;
}

}  // namespace mst
