#include "framework/form_reader.h"

#include <utility>
#include <vector>

#include "framework/collection.h"
#include "framework/control.h"
#include "framework/form_parser.h"
#include "framework/properties.h"

namespace {

class TFormReader {
 public:
  TFormReader(TComponent& root, const TClassRegistry& classes) : root_(root), classes_(classes) {}

  void Read(const TFormObject& tree) {
    if (!root_.InheritsFrom(tree.class_name)) {
      throw EParserError(tree.line,
                         "The form is a " + AnsiString(root_.ClassName()) + ", not a " + tree.class_name);
    }
    try {
      Begin(root_, tree);
      ReadChildren(tree, ObjectAs<TControl>(&root_), root_);
      ResolveReferences();
    } catch (...) {
      Abandon();
      throw;
    }
    for (TComponent* component : loaded_) {
      component->SetLoading(false);
      component->Loaded();
    }
  }

 private:
  // An object property that names another component, set once all exist.
  struct TReference {
    TPersistent* target;
    const TPropInfo* property;
    AnsiString name;
    int line;
  };

  void Begin(TComponent& component, const TFormObject& tree) {
    component.SetLoading(true);
    loaded_.push_back(&component);
    Guard(tree.line, [&] { component.SetName(tree.name); });
    for (const TFormProperty& property : tree.properties) ApplyProperty(component, property);
  }

  // `parent` is the nearest enclosing control, `enclosing` the object the
  // children are written in.
  void ReadChildren(const TFormObject& tree, TControl* parent, TComponent& enclosing) {
    for (const TFormObject& child : tree.children) {
      const TClassInfo* info = classes_.FindClass(child.class_name);
      if (info == nullptr || info->create == nullptr) {
        throw EParserError(child.line, "Class " + child.class_name + " not found");
      }
      TComponent* component = info->create(&root_);
      created_.push_back(component);
      TControl* control = ObjectAs<TControl>(component);
      if (control != nullptr && parent != nullptr) Guard(child.line, [&] { control->SetParent(parent); });
      if (control == nullptr) Guard(child.line, [&] { component->SetParentComponent(&enclosing); });
      Begin(*component, child);
      ReadChildren(child, control != nullptr ? control : parent, *component);
    }
  }

  void ApplyProperty(TPersistent& object, const TFormProperty& property) {
    TPersistent* target = &object;
    std::string_view path = property.name;
    for (std::size_t dot; (dot = path.find('.')) != std::string_view::npos; path.remove_prefix(dot + 1)) {
      const TPropInfo& info = FindProperty(*target, path.substr(0, dot), property.line);
      TPersistent* sub_object =
          info.kind == TTypeKind::tkClass ? std::get<TPersistent*>(info.get(*target)) : nullptr;
      if (sub_object == nullptr)
        throw EParserError(property.line, AnsiString(info.name) + " has no properties");
      target = sub_object;
    }
    const TPropInfo& info = FindProperty(*target, path, property.line);
    const TFormValue& value = property.value;
    if (info.kind == TTypeKind::tkClass && value.kind == TFormValueKind::Identifier) {
      references_.push_back({target, &info, value.text, value.line});
    } else if (info.kind == TTypeKind::tkClass && value.kind == TFormValueKind::Collection) {
      ReadCollection(*target, info, value);
    } else {
      TPropValue converted = Convert(info, value);
      Guard(value.line, [&] { SetPropValue(*target, info, converted); });
    }
  }

  const TPropInfo& FindProperty(const TPersistent& object, std::string_view name, int line) const {
    const TPropInfo* info = FindPropInfo(&object, name);
    if (info == nullptr) {
      throw EParserError(line, AnsiString(object.ClassName()) + " has no property " + AnsiString(name));
    }
    return *info;
  }

  TPropValue Convert(const TPropInfo& info, const TFormValue& value) const {
    using K = TFormValueKind;
    switch (info.kind) {
      case TTypeKind::tkInteger:
        if (value.kind == K::Integer) return value.integer;
        if (value.kind == K::Identifier) return value.text;
        break;
      case TTypeKind::tkEnumeration:
        if (value.kind == K::Identifier) return value.text;
        break;
      case TTypeKind::tkSet:
        if (value.kind == K::Set) return TSetValue{value.members};
        break;
      case TTypeKind::tkString:
        if (value.kind == K::String) return value.text;
        break;
      case TTypeKind::tkMethod:
        if (value.kind == K::Identifier) return BindHandler(value);
        break;
      case TTypeKind::tkBinary:
        if (value.kind == K::Binary) return value.bytes;
        break;
      case TTypeKind::tkList:
        if (value.kind == K::List) return ListTexts(value);
        break;
      case TTypeKind::tkClass:
        break;
    }
    throw EParserError(value.line, AnsiString("Invalid value for property ") + info.name);
  }

  TNotifyEvent BindHandler(const TFormValue& value) const {
    const TMethodInfo* method = root_.ClassInfo().FindMethod(value.text);
    if (method == nullptr) {
      throw EParserError(value.line, AnsiString(root_.ClassName()) + " has no handler " + value.text);
    }
    TComponent* form = &root_;
    TNotifyEvent event{method->name, {}, form, method};
    if (method->invoke) event.handler = [form, method](TObject* sender) { method->invoke(*form, sender); };
    return event;
  }

  static TStringArray ListTexts(const TFormValue& value) {
    TStringArray texts;
    for (const TFormValue& item : value.items) {
      if (item.kind != TFormValueKind::String) throw EParserError(item.line, "String expected in list");
      texts.push_back(item.text);
    }
    return texts;
  }

  void ReadCollection(TPersistent& object, const TPropInfo& info, const TFormValue& value) {
    auto* collection = ObjectAs<TCollection>(std::get<TPersistent*>(info.get(object)));
    if (collection == nullptr) throw EParserError(value.line, AnsiString(info.name) + " is not a collection");
    collection->BeginUpdate();
    collection->Clear();
    for (const TFormItem& item : value.collection) {
      TCollectionItem* target = collection->Add();
      for (const TFormProperty& property : item.properties) ApplyProperty(*target, property);
    }
    collection->EndUpdate();
  }

  void ResolveReferences() {
    for (const TReference& reference : references_) {
      TComponent* component =
          SameText(reference.name, root_.Name()) ? &root_ : root_.FindComponent(reference.name);
      if (component == nullptr)
        throw EParserError(reference.line, "Component " + reference.name + " not found");
      Guard(reference.line, [&] {
        SetPropValue(*reference.target, *reference.property, static_cast<TPersistent*>(component));
      });
    }
  }

  // Frees what this read created, the latest first, so that no child is left
  // to a parent that has gone.
  void Abandon() {
    while (!created_.empty()) {
      delete created_.back();
      created_.pop_back();
    }
    root_.SetLoading(false);
  }

  // Runs a property or name assignment, giving its failure the line.
  template <class F>
  static void Guard(int line, F&& assign) {
    try {
      assign();
    } catch (const EParserError&) {
      throw;
    } catch (const Exception& error) {
      throw EParserError(line, error.Message());
    }
  }

  TComponent& root_;
  const TClassRegistry& classes_;
  std::vector<TComponent*> loaded_;
  std::vector<TComponent*> created_;
  std::vector<TReference> references_;
};

}  // namespace

void ReadForm(TComponent& root, const TFormObject& tree, const TClassRegistry& classes) {
  TFormReader(root, classes).Read(tree);
}

void ReadForm(TComponent& root, std::string_view description, const TClassRegistry& classes) {
  ReadForm(root, ParseFormDescription(description), classes);
}
