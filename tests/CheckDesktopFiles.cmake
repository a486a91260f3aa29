# The desktop entry's categories and the AppStream file's content rating and release of this version.
file(READ "${DESKTOP}" desktop)
file(READ "${METAINFO}" metainfo)
foreach(check "desktop;\nCategories=Game;LogicGame;" "metainfo;<content_rating type=\"oars-1.1\""
              "metainfo;<release version=\"${VERSION}\"")
  list(GET check 0 where)
  list(GET check 1 text)
  string(FIND "${${where}}" "${text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${where} lacks: ${text}")
  endif()
endforeach()
