# Version records: every program the project builds carries its version in a
# dedicated ELF section, ".vantrel.version", which COXVersionInfo (app/)
# reads back from any file without running it.
#
#   vantrel_add_version_record(<target>
#       [FILE_VERSION <text>]            default ${VANTREL_FILE_VERSION}, else 1.00
#       [PRODUCT_VERSION <text>]         default FILE_VERSION
#       [FIXED_FILE_VERSION a.b.c.d]     default: the numbers of FILE_VERSION
#       [FIXED_PRODUCT_VERSION a.b.c.d]  default: the numbers of PRODUCT_VERSION
#       [TRANSLATION <8 hex digits>|NONE] default 040904E4 (US English, code page 1252)
#       [COMMENTS <text>] [COMPANY_NAME <text>] [FILE_DESCRIPTION <text>]
#       [INTERNAL_NAME <text>]           default: the target's name
#       [LEGAL_COPYRIGHT <text>] [LEGAL_TRADEMARKS <text>]
#       [ORIGINAL_FILENAME <text>]       default: the target's file name
#       [PRIVATE_BUILD <text>] [PRODUCT_NAME <text>] [SPECIAL_BUILD <text>])
#
# The record is a generated source added to the target, so it works for
# executables and shared libraries alike. Its layout (all numbers little
# endian):
#   8 bytes "VTRLVER1", then blocks until the section ends, each:
#   u32 name length, name, u32 value length, value.
# Block names follow the version-resource queries:
#   "\"                                 13 u32 words of the fixed record
#   "\VarFileInfo\Translation"          u16 language, u16 code page per entry
#   "\StringFileInfo\<LLLLCCCC>\<Key>"  the key's text, no terminator
# Texts left empty get no block. TRANSLATION NONE leaves the translation
# table out, so readers fall back to 040904E4.

include_guard(GLOBAL)

set(VANTREL_VERSION_RECORD_SECTION ".vantrel.version")

# Appends the little-endian bytes of a 32-bit number, as hex digits.
function(_vantrel_append_u32 out_var value)
  set(hex "")
  foreach(shift 0 8 16 24)
    math(EXPR byte "(${value} >> ${shift}) & 0xFF" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${byte}" 2 -1 digits)
    string(LENGTH "${digits}" length)
    if(length EQUAL 1)
      set(digits "0${digits}")
    endif()
    string(APPEND hex "${digits}")
  endforeach()
  set(${out_var} "${${out_var}}${hex}" PARENT_SCOPE)
endfunction()

# Appends one block: name and value given as text, or the value as hex
# digits already encoded when value_is_hex is set.
function(_vantrel_append_block out_var name value value_is_hex)
  set(record "${${out_var}}")
  string(LENGTH "${name}" name_length)
  _vantrel_append_u32(record ${name_length})
  string(HEX "${name}" name_hex)
  string(APPEND record "${name_hex}")
  if(value_is_hex)
    set(value_hex "${value}")
  else()
    string(HEX "${value}" value_hex)
  endif()
  string(LENGTH "${value_hex}" hex_length)
  math(EXPR value_length "${hex_length} / 2")
  _vantrel_append_u32(record ${value_length})
  string(APPEND record "${value_hex}")
  set(${out_var} "${record}" PARENT_SCOPE)
endfunction()

# Turns "1.04" or "1.2.3.4" into the two words of a fixed-record version:
# (first << 16 | second) and (third << 16 | fourth); missing parts are 0.
function(_vantrel_version_words text high_var low_var)
  string(REGEX MATCHALL "[0-9]+" parts "${text}")
  set(numbers 0 0 0 0)
  set(index 0)
  foreach(part IN LISTS parts)
    if(index LESS 4)
      math(EXPR number "${part} & 0xFFFF")
      list(REMOVE_AT numbers ${index})
      list(INSERT numbers ${index} ${number})
      math(EXPR index "${index} + 1")
    endif()
  endforeach()
  list(GET numbers 0 a)
  list(GET numbers 1 b)
  list(GET numbers 2 c)
  list(GET numbers 3 d)
  math(EXPR high "(${a} << 16) | ${b}")
  math(EXPR low "(${c} << 16) | ${d}")
  set(${high_var} ${high} PARENT_SCOPE)
  set(${low_var} ${low} PARENT_SCOPE)
endfunction()

function(vantrel_add_version_record target)
  set(string_keys COMMENTS COMPANY_NAME FILE_DESCRIPTION FILE_VERSION INTERNAL_NAME
      LEGAL_COPYRIGHT LEGAL_TRADEMARKS ORIGINAL_FILENAME PRIVATE_BUILD PRODUCT_NAME
      PRODUCT_VERSION SPECIAL_BUILD)
  set(key_names Comments CompanyName FileDescription FileVersion InternalName
      LegalCopyright LegalTrademarks OriginalFilename PrivateBuild ProductName
      ProductVersion SpecialBuild)
  cmake_parse_arguments(PARSE_ARGV 1 ARG ""
      "FIXED_FILE_VERSION;FIXED_PRODUCT_VERSION;TRANSLATION;${string_keys}" "")
  if(ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "vantrel_add_version_record: unknown arguments ${ARG_UNPARSED_ARGUMENTS}")
  endif()

  get_target_property(type ${target} TYPE)
  get_target_property(output_name ${target} OUTPUT_NAME)
  if(NOT output_name)
    set(output_name ${target})
  endif()
  if(type STREQUAL "EXECUTABLE")
    set(file_type 1)  # application
    set(file_name "${output_name}${CMAKE_EXECUTABLE_SUFFIX}")
  elseif(type STREQUAL "SHARED_LIBRARY" OR type STREQUAL "MODULE_LIBRARY")
    set(file_type 2)  # library
    set(file_name "${CMAKE_SHARED_LIBRARY_PREFIX}${output_name}${CMAKE_SHARED_LIBRARY_SUFFIX}")
  else()
    message(FATAL_ERROR "vantrel_add_version_record: ${target} is not an executable or a shared library")
  endif()

  if(NOT DEFINED ARG_FILE_VERSION)
    if(DEFINED VANTREL_FILE_VERSION)
      set(ARG_FILE_VERSION "${VANTREL_FILE_VERSION}")
    else()
      set(ARG_FILE_VERSION "1.00")
    endif()
  endif()
  if(NOT DEFINED ARG_PRODUCT_VERSION)
    set(ARG_PRODUCT_VERSION "${ARG_FILE_VERSION}")
  endif()
  if(NOT DEFINED ARG_FIXED_FILE_VERSION)
    set(ARG_FIXED_FILE_VERSION "${ARG_FILE_VERSION}")
  endif()
  if(NOT DEFINED ARG_FIXED_PRODUCT_VERSION)
    set(ARG_FIXED_PRODUCT_VERSION "${ARG_PRODUCT_VERSION}")
  endif()
  if(NOT DEFINED ARG_INTERNAL_NAME)
    set(ARG_INTERNAL_NAME "${output_name}")
  endif()
  if(NOT DEFINED ARG_ORIGINAL_FILENAME)
    set(ARG_ORIGINAL_FILENAME "${file_name}")
  endif()
  if(NOT DEFINED ARG_TRANSLATION)
    set(ARG_TRANSLATION "040904E4")
  endif()
  if(ARG_TRANSLATION STREQUAL "NONE")
    set(table_key "040904E4")
  elseif(ARG_TRANSLATION MATCHES "^[0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f]$")
    string(TOUPPER "${ARG_TRANSLATION}" table_key)
  else()
    message(FATAL_ERROR "vantrel_add_version_record: TRANSLATION must be 8 hex digits or NONE")
  endif()

  # The fixed record: signature, structure version 1.0, file and product
  # versions, flags mask and flags, system (unknown), type, subtype, date.
  _vantrel_version_words("${ARG_FIXED_FILE_VERSION}" file_high file_low)
  _vantrel_version_words("${ARG_FIXED_PRODUCT_VERSION}" product_high product_low)
  set(fixed "")
  foreach(word 0xFEEF04BD 0x00010000 ${file_high} ${file_low} ${product_high} ${product_low}
          0x3F 0 0 ${file_type} 0 0 0)
    _vantrel_append_u32(fixed ${word})
  endforeach()

  set(record "")
  string(HEX "VTRLVER1" record)
  _vantrel_append_block(record "\\" "${fixed}" TRUE)
  if(NOT ARG_TRANSLATION STREQUAL "NONE")
    # Stored as language, then code page, each a little-endian u16.
    string(SUBSTRING "${table_key}" 0 2 lang_high)
    string(SUBSTRING "${table_key}" 2 2 lang_low)
    string(SUBSTRING "${table_key}" 4 2 page_high)
    string(SUBSTRING "${table_key}" 6 2 page_low)
    _vantrel_append_block(record "\\VarFileInfo\\Translation"
        "${lang_low}${lang_high}${page_low}${page_high}" TRUE)
  endif()
  foreach(key key_name IN ZIP_LISTS string_keys key_names)
    if(NOT "${ARG_${key}}" STREQUAL "")
      _vantrel_append_block(record "\\StringFileInfo\\${table_key}\\${key_name}"
          "${ARG_${key}}" FALSE)
    endif()
  endforeach()

  string(TOLOWER "${record}" record)
  string(REGEX REPLACE "(..)" "0x\\1," bytes "${record}")
  string(REPEAT "0x..," 16 sixteen_bytes)
  string(REGEX REPLACE "(${sixteen_bytes})" "\\1\n    " bytes "${bytes}")
  set(source "${CMAKE_CURRENT_BINARY_DIR}/${target}_version_record.cpp")
  file(CONFIGURE OUTPUT "${source}" CONTENT
"// Generated by vantrel_add_version_record for ${target}; do not edit.
// The version record of ${file_name}, read back by COXVersionInfo.
[[gnu::used, gnu::retain, gnu::section(\"${VANTREL_VERSION_RECORD_SECTION}\")]]
static const unsigned char kVersionRecord[] = {
    ${bytes}
};
")
  target_sources(${target} PRIVATE "${source}")
endfunction()
