# Writes SITE/sw.js from TEMPLATE once the site is complete: the list of its
# files and a version that is the digest of their contents, so that any
# change to any file makes a new version of the service worker.
file(GLOB_RECURSE files RELATIVE "${SITE}" "${SITE}/*")
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(digests "")
set(SITE_FILES "'./'")
foreach(file ${files})
  file(SHA256 "${SITE}/${file}" digest)
  string(APPEND digests "${file} ${digest}\n")
  string(APPEND SITE_FILES ", '${file}'")
endforeach()
string(SHA256 SITE_VERSION "${digests}")
string(SUBSTRING "${SITE_VERSION}" 0 16 SITE_VERSION)
configure_file("${TEMPLATE}" "${SITE}/sw.js" @ONLY)
